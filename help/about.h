// The About box: its texts, and the search for the system-information tool in the registry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the About box needs of the platform. There is no registry on Linux: that implementation
// fails every open, and the button ends in the "not available" message.
class AboutPlatform {
public:
    using Key = std::intptr_t;
    virtual ~AboutPlatform() = default;
    // Registry calls; each returns 0 on success.
    virtual long openKey(Key root, const std::string& name, std::uint32_t access, Key& key) = 0;
    virtual long queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::vector<unsigned char>& buffer, std::uint32_t& size) = 0;
    virtual void closeKey(Key key) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Starts a program in a normal, focused window without waiting; false if it cannot.
    virtual bool startProgram(const std::string& path) = 0;
    // A box with an OK button and the application's title.
    virtual void messageBox(const std::string& prompt) = 0;
};

constexpr AboutPlatform::Key HKEY_LOCAL_MACHINE = static_cast<AboutPlatform::Key>(0x80000002u);
constexpr std::uint32_t KEY_ALL_ACCESS = 0x2003F;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_DWORD = 4;

struct AboutTexts {
    std::string caption;
    std::string lblTitle;
    std::string lblVersion;
};

class FrmAbout {
public:
    explicit FrmAbout(AboutPlatform& platform) : platform(platform) {}

    // The texts the box shows, set each time it is created.
    static AboutTexts Form_Load();
    void cmdSysInfo_Click() { StartSysInfo(); }

    void StartSysInfo();
    bool GetKeyValue(AboutPlatform::Key KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    AboutPlatform& platform;
};

// The program's title and version.
inline const std::string appTitle = "Cuadrix";
constexpr int versionMajor = 1, versionMinor = 0, versionRevision = 0;
