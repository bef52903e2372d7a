// The About box window.
#pragma once

#include <QWidget>

#include "help/about.h"

class QLabel;
class QPushButton;

class FrmAboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit FrmAboutWindow(WindowSystem& ws);
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmAbout logic_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;
};
