// The help window: a page view and a "Cerrar" button.
#pragma once

#include <QWidget>

class QTextBrowser;
class QPushButton;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* owner);
    // Shows the page at a "file://" address built from the program folder.
    void navigate(const QString& address);
    QTextBrowser* WebBrowser1() const { return WebBrowser1_; }
    QPushButton* Command1() const { return Command1_; }

private:
    QTextBrowser* WebBrowser1_;
    QPushButton* Command1_;
};

// The local file a help address names: "file://" dropped, '\' turned into '/', cleaned.
QString helpAddressToLocalPath(const QString& address);
