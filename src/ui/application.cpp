// The application object and the process-wide pointer to it.
#include "ui/application.h"

#include <stdexcept>

#include "text/cp1251.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/messages.h"

namespace ornil::ui {

namespace {
Application* g_application = nullptr;
}

Application::Application(Backend& backend) : Component(nullptr), backend_(backend) {
  if (g_application != nullptr) throw std::logic_error("there is an application object already");
  g_application = this;
  backend_.SetHintPauses(hintPause_, hintHidePause_);
}

Application::~Application() {
  // Forms go first, while the application is still whole for them, handled messages or not: the
  // application cannot wait.
  FreeComponents();
  g_application = nullptr;
}

Application* Application::Instance() {
  return g_application;
}

Backend& Application::CurrentBackend() {
  if (g_application == nullptr) throw std::logic_error("no application object");
  return g_application->backend_;
}

void Application::HandleException(std::exception_ptr failure) noexcept {
  try {
    Application* app = g_application;
    if (app == nullptr) return;
    if (app->OnException) {
      app->OnException(failure);
      return;
    }
    std::string text;
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& e) {
      text = e.what();
    } catch (...) {
    }
    app->MessageBox(text, "Ошибка"_cp, mb::IconError | mb::TaskModal);
  } catch (...) {
    // Reporting is the last resort; it cannot fail outward.
  }
}

int Application::MessageBox(const std::string& text, const std::string& caption,
                            std::uint32_t flags) {
  return backend_.MessageBox(text, caption, flags);
}

void Application::SetHintPause(int milliseconds) {
  hintPause_ = milliseconds;
  backend_.SetHintPauses(hintPause_, hintHidePause_);
}

void Application::SetHintHidePause(int milliseconds) {
  hintHidePause_ = milliseconds;
  backend_.SetHintPauses(hintPause_, hintHidePause_);
}

std::vector<Form*> Application::Forms() const {
  std::vector<Form*> forms;
  for (Component* c : Components())
    if (auto* form = dynamic_cast<Form*>(c)) forms.push_back(form);
  return forms;
}

Control* Application::FindControl(Handle window) const {
  auto it = controls_.find(window);
  return it == controls_.end() ? nullptr : it->second;
}

namespace {

Control* Deepest(Control& control, Point screen, bool includeDisabled) {
  const auto& children = control.Controls();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* c = *it;
    if (!c->Visible() || !c->HandleAllocated()) continue;
    if (!includeDisabled && !c->Enabled()) continue;
    if (c->ScreenRect().Contains(screen)) return Deepest(*c, screen, includeDisabled);
  }
  return &control;
}

}  // namespace

Control* Application::ControlAtPos(Point screen, bool includeDisabled) {
  std::vector<Control*> tops;
  if (activeForm_ != nullptr) tops.push_back(activeForm_);
  for (auto& [handle, control] : controls_)
    if (control != activeForm_ && dynamic_cast<Form*>(control) != nullptr) tops.push_back(control);
  for (Control* top : tops) {
    if (!top->Visible() || !top->HandleAllocated()) continue;
    if (!includeDisabled && !top->Enabled()) continue;
    if (top->ScreenRect().Contains(screen)) return Deepest(*top, screen, includeDisabled);
  }
  return nullptr;
}

Control* Application::CaptureControl() const {
  return FindControl(backend_.GetCapture());
}

void Application::ProcessMessages() {
  backend_.ProcessMessages();
}

void Application::Register(Handle window, Control* control) {
  controls_[window] = control;
}

void Application::Unregister(Handle window) {
  controls_.erase(window);
}

void Application::SetActiveForm(Form* active, Form* sender) {
  if (active != nullptr)
    activeForm_ = active;
  else if (activeForm_ == sender)
    activeForm_ = nullptr;
}

void Application::FormGone(Form* form) {
  if (activeForm_ == form) activeForm_ = nullptr;
}

std::uint32_t Application::RegisterMenuItem(MenuItem* item) {
  const std::uint32_t id = nextMenuId_++;
  menuItems_[id] = item;
  return id;
}

void Application::UnregisterMenuItem(std::uint32_t id) {
  menuItems_.erase(id);
}

MenuItem* Application::FindMenuItem(std::uint32_t id) const {
  auto it = menuItems_.find(id);
  return it == menuItems_.end() ? nullptr : it->second;
}

int ApplicationDialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                                       std::uint32_t flags) {
  if (Application* app = Application::Instance()) return app->MessageBox(text, caption, flags);
  return fallback_ != nullptr ? fallback_->ShowMessageBox(text, caption, flags) : 0;
}

}  // namespace ornil::ui
