// The rich edit library as every rich text control of the process shares it:
// "MSFTEDIT.DLL" (version 4.1, wide class "RICHEDIT50W") or, where that is
// missing, "RICHED20.DLL" (version 2, wide class "RichEdit20W"). The library
// is loaded by the first use and freed when the last use is given back, so
// windows of its classes must be destroyed before their use goes.
#pragma once

namespace tq::ui {

class RichEditLibrary {
 public:
  // Holds one use of the library for as long as it lives (or until Release).
  class Use {
   public:
    Use() = default;
    ~Use() { Release(); }
    Use(Use&& other) noexcept;
    Use& operator=(Use&& other) noexcept;
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    explicit operator bool() const { return held_; }
    // Takes a use when none is held; throws when neither library loads.
    void Acquire();
    // Gives the use back, if one is held.
    void Release();

   private:
    bool held_ = false;
  };

  // What the process holds now: 4 (for 4.1) or 2 while loaded, 0 otherwise.
  static int Version();
  static int UseCount();
  // The window class of the loaded library (L"" while none is loaded).
  static const wchar_t* ClassName();
};

}  // namespace tq::ui
