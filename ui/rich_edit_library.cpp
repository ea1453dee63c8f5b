#include "ui/rich_edit_library.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

namespace tq::ui {
namespace {

// One per process by nature: a loaded DLL is a process-wide resource. All
// rich text controls live on the user-interface thread, so no lock is needed.
struct SharedLibrary {
  HMODULE module = nullptr;
  int version = 0;
  int uses = 0;
};

SharedLibrary& Shared() {
  static SharedLibrary shared;
  return shared;
}

}  // namespace

RichEditLibrary::Use::Use(Use&& other) noexcept : held_(std::exchange(other.held_, false)) {}

RichEditLibrary::Use& RichEditLibrary::Use::operator=(Use&& other) noexcept {
  if (this != &other) {
    Release();
    held_ = std::exchange(other.held_, false);
  }
  return *this;
}

void RichEditLibrary::Use::Acquire() {
  if (held_) return;
  SharedLibrary& s = Shared();
  if (s.uses == 0) {
    s.module = LoadLibraryW(L"MSFTEDIT.DLL");
    s.version = 4;
    if (!s.module) {
      s.module = LoadLibraryW(L"RICHED20.DLL");
      s.version = 2;
    }
    if (!s.module) {
      s.version = 0;
      throw std::runtime_error("Cannot load the rich edit library");
    }
  }
  ++s.uses;
  held_ = true;
}

void RichEditLibrary::Use::Release() {
  if (!held_) return;
  held_ = false;
  SharedLibrary& s = Shared();
  if (--s.uses == 0) {
    FreeLibrary(s.module);
    s.module = nullptr;
    s.version = 0;
  }
}

int RichEditLibrary::Version() { return Shared().version; }
int RichEditLibrary::UseCount() { return Shared().uses; }

const wchar_t* RichEditLibrary::ClassName() {
  switch (Shared().version) {
    case 4:
      return L"RICHEDIT50W";
    case 2:
      return L"RichEdit20W";
    default:
      return L"";
  }
}

}  // namespace tq::ui
