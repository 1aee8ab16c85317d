#include "app/MainWindow.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/runtime/ErrorBox.h"
#include "support/runtime/MessageLoop.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>

TForm1::TForm1(QWidget* parent) : TAlignContainer(parent)
{
    CreateControls();
    WireHandlers();
}

TForm1::~TForm1()
{
    // A series leaves its chart when it is destroyed, so the series go while
    // the charts (children of this widget) are still alive.
    delete Series1;
    delete Series2;
    delete Series3;
}

void TForm1::WireHandlers()
{
    connect(Button1, &QPushButton::clicked, this, [this] { RunGuarded(&TForm1::Button1Click, Button1); });
    connect(Button2, &QPushButton::clicked, this, [this] { RunGuarded(&TForm1::Button2Click, Button2); });
    connect(Button3, &QPushButton::clicked, this, [this] { RunGuarded(&TForm1::Button3Click, Button3); });
    // toggled follows every change of the state, by mouse or keyboard.
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { RunGuarded(&TForm1::CheckBox1Click, CheckBox1); });
}

void TForm1::RunGuarded(void (TForm1::*handler)(QObject*), QObject* sender)
{
    GuardHandler([&] { (this->*handler)(sender); });
    if (FRunDepth == 0 && FCloseDeferred) {
        FCloseDeferred = false;
        close();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    MarkApplicationTerminating();
    if (FRunDepth > 0) {
        // A run loop still appends to the series of this window: keep the
        // window, end every run level after its current step, and close
        // for good once the outermost Start has returned.
        FCloseDeferred = true;
        RunState.StopRequested = true;
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}
