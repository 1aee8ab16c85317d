#pragma once
// The main window: three rows of inputs and charts (one per oscillation and
// one for their sum), the Start/Stop/Clear buttons, the "pomalu" check box
// and the memo, with the four handlers that drive a run.

#include "app/RunState.h"
#include "support/layout/AlignContainer.h"

class QCheckBox;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TChart;
class TLineSeries;
class TPanel;

class TForm1 : public TAlignContainer {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The controls, under their definition names. The widgets belong to the
    // window through Qt's parent links; the series belong to the window and
    // are drawn by their charts.
    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TPanel* Panel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit5 = nullptr;
    TChart* Chart1 = nullptr;
    TLineSeries* Series1 = nullptr;
    TPanel* Panel3 = nullptr;
    TPanel* Panel6 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit6 = nullptr;
    TChart* Chart2 = nullptr;
    TLineSeries* Series2 = nullptr;
    TPanel* Panel4 = nullptr;
    TPanel* Panel7 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    TChart* Chart3 = nullptr;
    TLineSeries* Series3 = nullptr;
    QPlainTextEdit* Output = nullptr;

    // The run state every run shares; the window is the program's only one.
    TRunState RunState;

    // The handlers, as wired to the controls. Each may throw; the wiring
    // runs it inside GuardHandler.
    void Button1Click(QObject* sender); // Start
    void Button2Click(QObject* sender); // Stop
    void Button3Click(QObject* sender); // Clear
    void CheckBox1Click(QObject* sender); // "pomalu"

    // How many Start handlers are running (nested runs count each).
    int RunDepth() const { return FRunDepth; }
    // A close was asked for while a run was active; it completes once the
    // outermost Start has returned.
    bool CloseDeferred() const { return FCloseDeferred; }

signals:
    // The window accepted a close: the program's message loop should end.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // FormDefinition.cpp: the controls at their fixed places.
    void CreateControls();
    void CreateInputColumn(TPanel* column, int row);
    void CreateButtonColumn();
    void SetTabOrder();
    void WireHandlers();
    // Runs a handler so that nothing escapes it, then finishes a close that
    // had to wait for the run to end.
    void RunGuarded(void (TForm1::*handler)(QObject*), QObject* sender);

    // RunLoop.cpp: the parts of Start.
    void ResetCharts();
    void ReadParameters();
    void RunSteps();
    void AddStepPoints();
    void ReleaseFixedTimeMaximum();

    int FRunDepth = 0;
    bool FCloseDeferred = false;
};
