// The About box: its texts, and the search for the system-information tool in the registry.
#include "help/about.h"

#include <cstdio>

AboutTexts FrmAbout::Form_Load()
{
    AboutTexts texts;
    texts.caption = "Acerca de " + appTitle;
    texts.lblVersion = "Versión " + std::to_string(versionMajor) + "." + std::to_string(versionMinor) + "."
        + std::to_string(versionRevision);
    texts.lblTitle = appTitle;
    return texts;
}

void FrmAbout::StartSysInfo()
{
    std::string SysInfoPath;
    const bool found = GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", SysInfoPath)
        || (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", SysInfoPath)
            && platform.fileExists(SysInfoPath += "\\MSINFO32.EXE"));
    if (found && platform.startProgram(SysInfoPath))
        return;
    platform.messageBox("La información del sistema no está disponible en este momento");
}

bool FrmAbout::GetKeyValue(AboutPlatform::Key KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                           std::string& KeyVal)
{
    AboutPlatform::Key hKey = 0;
    std::uint32_t KeyValType = 0;
    std::uint32_t KeyValSize = 1024;
    std::vector<unsigned char> buffer(1024, 0);

    if (platform.openKey(KeyRoot, KeyName, KEY_ALL_ACCESS, hKey) != 0
        || platform.queryValue(hKey, SubKeyRef, KeyValType, buffer, KeyValSize) != 0) {
        KeyVal = "";
        platform.closeKey(hKey);
        return false;
    }

    std::size_t n = KeyValSize < buffer.size() ? KeyValSize : buffer.size();
    if (n > 0 && buffer[n - 1] == 0)
        --n;
    const std::string tmpVal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));

    if (KeyValType == REG_SZ) {
        KeyVal = tmpVal;
    } else if (KeyValType == REG_DWORD) {
        for (std::size_t i = tmpVal.size(); i > 0; --i) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned char>(tmpVal[i - 1]));
            KeyVal += hex;
        }
        KeyVal = "&h" + KeyVal;
    }
    platform.closeKey(hKey);
    return true;
}
