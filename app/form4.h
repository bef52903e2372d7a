// The splash window shown while the game starts.
#pragma once

#include <QWidget>

class QTimer;
class Form4Timer;

class Form4 : public QWidget {
    Q_OBJECT
public:
    Form4(Form4Timer& ticks, QWidget* owner);
    QTimer* Timer1() const { return Timer1_; }
    void showCentred();

private:
    QTimer* Timer1_;
};
