#include "shell/main_window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <utility>

#include "shell/chart_window.hpp"
#include "shell/command_guard.hpp"
#include "shell/return_key_button.hpp"
#include "window/model/control_names.hpp"

namespace vaporel {
namespace {

const QColor kDarkGrey(64, 64, 64);
const QColor kBlack(0, 0, 0);
const QColor kBusyText(18, 0, 0);
const QColor kRuleGrey(128, 128, 128);
const QColor kResultCyan(128, 255, 255);

QColor InkColour(Ink ink) {
  switch (ink) {
    case Ink::DarkGrey: return kDarkGrey;
    case Ink::Black: return kBlack;
    case Ink::BusyText: return kBusyText;
  }
  return kDarkGrey;
}

QString Qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// Text colour of a control that can be disabled: the disabled look stays the system's.
void SetEnabledInk(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  widget->setPalette(palette);
}

// Controls that take the keyboard focus; everything else (labels, frames, lines) never does.
bool IsFocusable(ControlKind kind) {
  return kind == ControlKind::Field || kind == ControlKind::Button || kind == ControlKind::Selector;
}

}  // namespace

MainWindow::MainWindow(MainWindowLogic& logic, Twips twips) : logic_(logic), twips_(twips) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("THERMODYNAMIC PROPERTIES OF VAPOREL"));
  setWindowIcon(QIcon(QStringLiteral(":/vaporel/vaporel.png")));
  setFont(WindowFont({9.75, false, false}));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmMain"));
  client->setFixedSize(twips_.toPixels(kClientWidthTwips), twips_.toPixels(kClientHeightTwips));
  setCentralWidget(client);
  buildControls();
  buildMenus();
  // The client area keeps its laid-out size; the menu bar sits above it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  if (auto* app = dynamic_cast<ShellApplication*>(QCoreApplication::instance())) app->setInterceptor(this);
}

MainWindow::~MainWindow() {
  if (auto* app = dynamic_cast<ShellApplication*>(QCoreApplication::instance());
      app != nullptr && app->interceptor() == this) {
    app->setInterceptor(nullptr);
  }
  if (pointerBusy_) QApplication::restoreOverrideCursor();
}

void MainWindow::buildControls() {
  for (const ControlLayout& layout : MainWindowLayout()) {
    QWidget* parent = centralWidget();
    if (!layout.container.empty()) parent = controls_.at(std::string(layout.container)).widget;
    QWidget* widget = createControl(layout, parent);
    widget->setObjectName(QString::fromLatin1(layout.name));
    controls_.emplace(layout.name, Entry{layout.kind, widget});
  }
}

QWidget* MainWindow::createControl(const ControlLayout& layout, QWidget* parent) {
  const QRect geometry = twips_.rect(layout.left, layout.top, layout.width, layout.height);
  const QFont font = WindowFont(layout.font);
  const std::string name(layout.name);
  QWidget* widget = nullptr;

  switch (layout.kind) {
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(parent);
      SetColour(frame, QPalette::WindowText, InkColour(layout.ink));
      widget = frame;
      break;
    }
    case ControlKind::Label:
    case ControlKind::ValueBox:
    case ControlKind::ResultBox: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(layout.align);
      label->setWordWrap(layout.wordWrap);
      SetColour(label, QPalette::WindowText, InkColour(layout.ink));
      if (layout.kind != ControlKind::Label) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAutoFillBackground(true);
      }
      if (layout.kind == ControlKind::ValueBox) {
        // The system's border colour behind the system's highlight colour.
        const QPalette system = QGuiApplication::palette();
        SetColour(label, QPalette::Window, system.color(QPalette::Active, QPalette::Button));
        SetColour(label, QPalette::WindowText, system.color(QPalette::Active, QPalette::Highlight));
      } else if (layout.kind == ControlKind::ResultBox) {
        SetColour(label, QPalette::Window, kResultCyan);
      }
      widget = label;
      break;
    }
    case ControlKind::Field: {
      auto* field = new QLineEdit(parent);
      field->setAlignment(layout.align);
      field->setMaxLength(static_cast<int>(kFieldMaxLength));
      field->setFocusPolicy(Qt::StrongFocus);
      // A drop would change a field the focus never entered, so its check would never run.
      field->setAcceptDrops(false);
      SetEnabledInk(field, QPalette::Text, InkColour(layout.ink));
      connect(field, &QLineEdit::textEdited, this, [this, field, name](const QString& text) {
        RunCommand([&] { logic_.editField(name, text.toStdString()); });
        render();
        field->setCursorPosition(static_cast<int>(field->text().size()));
      });
      widget = field;
      break;
    }
    case ControlKind::Button: {
      auto* button = new ReturnKeyButton(parent);
      button->setAutoDefault(false);
      button->setFocusPolicy(Qt::StrongFocus);
      SetEnabledInk(button, QPalette::ButtonText, InkColour(layout.ink));
      connect(button, &QPushButton::clicked, this, [this, name] {
        RunCommand([&] { logic_.click(name); });
        render();
      });
      widget = button;
      break;
    }
    case ControlKind::Selector: {
      auto* selector = new QComboBox(parent);
      selector->setEditable(false);
      // Not WheelFocus: the focus must only move through the checked paths.
      selector->setFocusPolicy(Qt::StrongFocus);
      {
        const QSignalBlocker blocker(selector);
        for (const std::string& entry : MainWindowModel::pairEntries()) selector->addItem(Qt(entry));
        selector->setCurrentIndex(-1);
      }
      SetEnabledInk(selector, QPalette::Text, InkColour(layout.ink));
      SetEnabledInk(selector, QPalette::ButtonText, InkColour(layout.ink));
      SetColour(selector, QPalette::Base, Qt::white);
      connect(selector, &QComboBox::activated, this, [this](int index) {
        RunCommand([&] { logic_.selectPair(index); });
        render();
      });
      widget = selector;
      break;
    }
    case ControlKind::Line: {
      // A one-pixel rule: a filled strip, which draws the same at every scale.
      widget = new QWidget(parent);
      widget->setAutoFillBackground(true);
      SetColour(widget, QPalette::Window, kRuleGrey);
      widget->setGeometry(geometry.x(), geometry.y(), geometry.width(), std::max(1, twips_.toPixels(kTwipsPerPixel)));
      widget->setFocusPolicy(Qt::NoFocus);
      return widget;
    }
    case ControlKind::StatusBar: {
      auto* bar = new QStatusBar(parent);
      bar->setSizeGripEnabled(false);
      statusText_ = new QLabel(bar);
      statusText_->setTextFormat(Qt::PlainText);
      statusText_->setFont(font);
      bar->addWidget(statusText_, 1);
      widget = bar;
      break;
    }
  }
  if (!IsFocusable(layout.kind)) widget->setFocusPolicy(Qt::NoFocus);
  widget->setFont(font);
  widget->setGeometry(geometry);
  return widget;
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* source = bar->addMenu(QString());
  QAction* properties = source->addAction(QString());
  chartCommand_ = bar->addAction(QStringLiteral("Chart"));
  QAction* exit = bar->addAction(QString());
  menus_.emplace(control::SourceMenu, source->menuAction());
  menus_.emplace(control::PropertiesMenu, properties);
  menus_.emplace(control::ExitMenu, exit);

  // Menu commands never wait on a field check.
  connect(properties, &QAction::triggered, this, [this] {
    RunCommand([this] { logic_.menuProperties(); });
    render();
  });
  connect(exit, &QAction::triggered, this, Command([this] { logic_.menuExit(); }));
  connect(chartCommand_, &QAction::triggered, this, Command([this] { openChart(); }));
}

void MainWindow::openChart() {
  if (!chart_) {
    chart_ = std::make_unique<ChartWindow>(logic_.model(), logic_.numbers(), DesktopReportServices(),
                                           DesktopWorksheetServices(logic_.numbers()));
    adoptWindow(chart_.get());
  }
  chart_->follow();
  chart_->present();
}

QWidget* MainWindow::control(std::string_view name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second.widget;
}

QAction* MainWindow::menuCommand(std::string_view name) const {
  auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::adoptWindow(QWidget* window) { otherWindows_.emplace_back(window); }

void MainWindow::start() {
  logic_.load();
  render();
  adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  activateWindow();
  // The first control in tab order takes the focus as if tabbed to, so its focus frame shows.
  focusReason_ = Qt::TabFocusReason;
  renderFocus();
}

// ---- rendering -------------------------------------------------------------

void MainWindow::render() {
  const MainWindowModel& model = logic_.model();
  for (const auto& [name, control] : model.controls()) {
    if (auto it = controls_.find(name); it != controls_.end()) {
      renderControl(it->second, control);
    } else if (auto menu = menus_.find(name); menu != menus_.end()) {
      QAction* action = menu->second;
      if (action->text() != Qt(control.text)) action->setText(Qt(control.text));
      action->setVisible(control.visible);
      action->setEnabled(control.enabled);
    }
  }
  renderFocus();
  renderPointer();
  if (chart_) chart_->follow();
}

void MainWindow::renderControl(const Entry& entry, const Control& control) {
  QWidget* widget = entry.widget;
  const QString text = Qt(control.text);
  switch (entry.kind) {
    case ControlKind::Frame: {
      auto* frame = static_cast<QGroupBox*>(widget);
      if (frame->title() != text) frame->setTitle(text);
      break;
    }
    case ControlKind::Label:
    case ControlKind::ValueBox:
    case ControlKind::ResultBox: {
      auto* label = static_cast<QLabel*>(widget);
      if (label->text() != text) label->setText(text);
      break;
    }
    case ControlKind::Field: {
      auto* field = static_cast<QLineEdit*>(widget);
      // setText puts the caret at the end and raises textChanged only, never textEdited.
      if (field->text() != text) field->setText(text);
      const QColor background(control.background.r, control.background.g, control.background.b);
      if (field->palette().color(QPalette::Base) != background) SetColour(field, QPalette::Base, background);
      break;
    }
    case ControlKind::Button: {
      auto* button = static_cast<QPushButton*>(widget);
      if (button->text() != text) button->setText(text);
      break;
    }
    case ControlKind::Selector: {
      auto* selector = static_cast<QComboBox*>(widget);
      if (selector->currentIndex() != control.listIndex) {
        const QSignalBlocker blocker(selector);
        selector->setCurrentIndex(control.listIndex);
      }
      break;
    }
    case ControlKind::StatusBar:
      if (statusText_->text() != text) statusText_->setText(text);
      break;
    case ControlKind::Line: break;
  }
  if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
  if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
}

// Programmatic focus comes only from the model: setFocus here never passes the checks.
void MainWindow::renderFocus() {
  const Qt::FocusReason reason = std::exchange(focusReason_, Qt::OtherFocusReason);
  const std::string& name = logic_.model().focus;
  if (name.empty()) return;
  QWidget* target = control(name);
  if (target == nullptr) return;
  // After a Tab the style draws the keyboard focus frame; a click clears this again.
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
    setAttribute(Qt::WA_KeyboardFocusChange);
    target->update();
  }
  if (QApplication::focusWidget() != target) target->setFocus(reason);
}

void MainWindow::renderPointer() {
  const bool busy = logic_.model().busyPointer;
  if (busy == pointerBusy_) return;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  pointerBusy_ = busy;
}

// ---- input -----------------------------------------------------------------

std::string MainWindow::focusableNameOf(QObject* receiver) const {
  for (auto* widget = qobject_cast<QWidget*>(receiver); widget != nullptr; widget = widget->parentWidget()) {
    for (const auto& [name, entry] : controls_) {
      if (entry.widget == widget) return IsFocusable(entry.kind) ? name : std::string();
    }
    if (widget->isWindow()) break;
  }
  return {};
}

bool MainWindow::intercept(QObject* receiver, QEvent* event) {
  if (checking_ || unloaded_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return event->spontaneous() && interceptPress(receiver);
    case QEvent::Shortcut: return interceptPress(receiver);
    case QEvent::KeyPress: {
      const auto* key = static_cast<const QKeyEvent*>(event);
      // Qt itself moves the focus on Tab unless Ctrl or Alt is held.
      if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
      if (key->key() == Qt::Key_Backtab) return interceptTab(receiver, true);
      if (key->key() == Qt::Key_Tab) return interceptTab(receiver, (key->modifiers() & Qt::ShiftModifier) != 0);
      return false;
    }
    case QEvent::Wheel: {
      // The wheel over the selector would pick an entry without the selector having the focus.
      const std::string name = focusableNameOf(receiver);
      return name == control::PairSelector && logic_.model().focus != name;
    }
    default: return false;
  }
}

// A press or shortcut aimed at another control: the focus is asked to move there
// first; a refusal swallows the event, so a clicked button never goes down.
bool MainWindow::interceptPress(QObject* receiver) {
  const std::string target = focusableNameOf(receiver);
  if (target.empty() || target == logic_.model().focus) return false;
  const QWidget* widget = control(target);
  if (!widget->isVisible() || !widget->isEnabled()) return false;
  if (QApplication::activeModalWidget() != nullptr) return false;
  return !requestFocus(target, Qt::MouseFocusReason);
}

// Tab and Shift+Tab: the logic decides where the focus goes; Qt's own chain never runs.
bool MainWindow::interceptTab(QObject* receiver, bool backwards) {
  const auto* widget = qobject_cast<QWidget*>(receiver);
  if (widget == nullptr || widget->window() != this) return false;
  if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) return false;
  const std::string target = logic_.nextInTabOrder(backwards);
  if (!target.empty() && target != logic_.model().focus) {
    requestFocus(target, backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
  } else {
    render();
  }
  return true;
}

bool MainWindow::requestFocus(const std::string& target, Qt::FocusReason reason) {
  struct Checking {
    bool& flag;
    explicit Checking(bool& f) : flag(f) { flag = true; }
    ~Checking() { flag = false; }
  };
  bool moved = false;
  {
    const Checking checking(checking_);
    moved = logic_.moveFocus(target);
  }
  focusReason_ = reason;
  render();
  return moved;
}

// ---- shut-down -------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!unloaded_) {
    unloaded_ = true;
    unloadOtherWindows();
    logic_.unload(placement());
  }
  event->accept();
}

void MainWindow::unloadOtherWindows() {
  std::vector<QPointer<QWidget>> windows(otherWindows_.rbegin(), otherWindows_.rend());
  otherWindows_.clear();
  // Any other window of the program that was not adopted (dialogs, viewers) goes too.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = widget->windowType();
    if (widget == this || (type != Qt::Window && type != Qt::Dialog)) continue;
    if (std::find(windows.begin(), windows.end(), widget) == windows.end()) windows.emplace_back(widget);
  }
  for (const QPointer<QWidget>& window : windows) {
    if (!window.isNull()) window->close();
  }
}

WindowPlacement MainWindow::placement() const {
  const QRect frame = frameGeometry();
  WindowPlacement placement;
  placement.left = twips_.fromPixels(frame.x());
  placement.top = twips_.fromPixels(frame.y());
  placement.width = twips_.fromPixels(frame.width());
  placement.height = twips_.fromPixels(frame.height());
  placement.minimized = isMinimized();
  return placement;
}

}  // namespace vaporel
