#pragma once
// The main window as the Qt platform builds it: the Qt widget behind each
// of the window's controls, for clicks, keys and looks.

#include "app/MainWindow.h"
#include "platform/qt/Button.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/Toolkit.h"
#include "platform/qt/Window.h"

#include <memory>

inline TPanel* Q(IPanel* control) { return QtWidget<TPanel>(control); }
inline TLabel* Q(ILabel* control) { return QtWidget<TLabel>(control); }
inline TEdit* Q(IEdit* control) { return QtWidget<TEdit>(control); }
inline TButton* Q(IButton* control) { return QtWidget<TButton>(control); }
inline TCheckBox* Q(ICheckBox* control) { return QtWidget<TCheckBox>(control); }
inline TMemo* Q(IMemo* control) { return QtWidget<TMemo>(control); }
inline TWindow* Q(const TForm1& form) { return QtWidget<TWindow>(form.Window.get()); }

// A main window built by the Qt toolkit, not yet shown.
inline std::unique_ptr<TForm1> NewMainWindow() { return std::make_unique<TForm1>(QtToolkit()); }
