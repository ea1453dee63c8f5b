#include "ui/application.h"

#include "ui/message_loop.h"

namespace tq::ui {
namespace {
constexpr wchar_t kApplicationClass[] = L"TqApplication";
}

Application::Application(std::string_view title) {
  RegisterClassOnce(kApplicationClass, 0, nullptr, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
  CreateArgs args;
  args.className = kApplicationClass;
  args.text = std::string(title);
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // never WS_VISIBLE
  args.x = 0;
  args.y = 0;
  args.width = 0;
  args.height = 0;
  CreateOwnClass(args);
}

Application::~Application() { Destroy(); }

int Application::Run() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    DispatchThreadMessage(msg);
  }
}

void Application::Terminate(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace tq::ui
