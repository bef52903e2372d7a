// The About box window, with the Linux side of its system-information button.
#pragma once

#include <QWidget>

#include "help/about.h"

class QLabel;
class QPushButton;

// On Linux there is no registry: every key is missing.
class LinuxAboutPlatform : public AboutPlatform {
public:
    explicit LinuxAboutPlatform(QWidget* owner) : owner_(owner) {}
    long openKey(Key, const std::string&, std::uint32_t, Key&) override { return 2; }
    long queryValue(Key, const std::string&, std::uint32_t&, std::vector<unsigned char>&, std::uint32_t&) override
    {
        return 2;
    }
    void closeKey(Key) override {}
    bool fileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    void messageBox(const std::string& prompt) override;

private:
    QWidget* owner_;
};

class FrmAboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit FrmAboutWindow(QWidget* owner);
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    LinuxAboutPlatform platform_;
    FrmAbout logic_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;
};
