// TFormEnhance: what a form gains from owning one (at most one per form): its
// placement saved when its window goes away and restored on request, limits
// on the size the user can drag it to, files dropped on it from the shell,
// and an icon in the tray with a tip, a popup menu, click events and an
// animation from an image list. It replaces the form's window procedure with
// its own and keeps a hidden top-level window of the class
// "TQFormEnhanceTray" that receives the icon's callback message 0x800.
#pragma once

#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/key_store.h"
#include "ui/core/form_placement.h"
#include "ui/core/placement_store.h"
#include "ui/core/tray_icon_rules.h"
#include "ui/handles.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/wnd.h"

namespace tq::ui {

class EFormEnhanceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using core::MouseButton;
using core::TShiftState;

struct TSize {
  int Width = 0;
  int Height = 0;
};

class TFormEnhance {
 public:
  static constexpr UINT kCallbackMessage = 0x800;
  static constexpr const wchar_t* kTrayClass = L"TQFormEnhanceTray";

  // Where the placement is kept: the key store for the registry variant, the
  // file layer and the program's folder for the INI variant.
  struct Storage {
    platform::KeyStore& keys = platform::DefaultKeyStore();
    platform::Env& env = platform::Env::Default();
    std::string programFolder{};  // empty: the running program's folder
  };

  // `owner` must be a Form ("Control parent must be a form!") holding no
  // other TFormEnhance; its window is created if it has none yet. `formName`
  // makes the default SaveKey, formName + " Placement".
  TFormEnhance(Wnd& owner, const std::string& formName);
  TFormEnhance(Wnd& owner, const std::string& formName, Storage storage);
  virtual ~TFormEnhance();
  TFormEnhance(const TFormEnhance&) = delete;
  TFormEnhance& operator=(const TFormEnhance&) = delete;

  // Placement.
  bool SavePlacement = true;
  bool UseIniFile = false;
  bool SaveSize = false;
  std::string SaveName = "\\Software\\Company\\Application";
  std::string SaveKey;
  // Tracking size limits; 0 leaves the size Windows computed.
  TSize MaxSize;
  TSize MinSize;

  // Dropped files.
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool accept);
  bool BringToFront = false;

  // Tray icon.
  HICON Icon() const { return icon_.get(); }
  void SetIcon(HICON icon);  // copies the image; null clears it
  const std::string& IconHint() const { return iconHint_; }
  void SetIconHint(const std::string& hint);
  bool IconShowHint() const { return iconShowHint_; }
  void SetIconShowHint(bool show);
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);
  bool IconEnabled = false;
  Menu* IconPopup = nullptr;  // not owned
  bool IconLeftPopup = false;
  HIMAGELIST IconList = nullptr;  // not owned
  bool IconCycle() const { return iconCycle_; }
  void SetIconCycle(bool cycle);
  // The animation's step in milliseconds; with 0 the animation stands still.
  UINT IconInterval() const { return iconInterval_; }
  void SetIconInterval(UINT ms);
  bool IconPreview = false;  // a design-time setting; nothing at run time

  // Events.
  std::function<void(TFormEnhance& sender)> OnClick;
  std::function<void(TFormEnhance& sender)> OnDblClick;
  std::function<void(TFormEnhance& sender, MouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
  std::function<void(TFormEnhance& sender, MouseButton button, TShiftState shift, int x, int y)> OnMouseUp;
  std::function<void(TFormEnhance& sender, TShiftState shift, int x, int y)> OnMouseMove;
  std::function<void(TFormEnhance& sender, int Current)> OnCycle;
  std::function<void(const std::vector<std::string>& Files, POINT Pos)> OnDropFiles;

  // How the icon's menu is shown; the default tracks it at the point for the
  // form. Tests put in one that only records.
  std::function<void(Menu& menu, HWND form, POINT screen)> ShowPopup;

  // Applies the settings made before the form was shown: the icon in or out
  // of the tray, its image and tip, and the form's acceptance of files.
  void Loaded();

  void LoadPlacement();
  void StorePlacement();

  // Tray calls; each returns whether the shell accepted it.
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool ModifyIcon();
  void Refresh() { ModifyIcon(); }

  void PopupAtCursor();

  // Whether a left press on the icon awaits its release.
  bool Pressed() const { return pressed_; }
  // The image the animation shows next.
  int AnimationIndex() const { return animationIndex_; }
  // One step of the animation, as the timer runs it.
  void CycleIcon();
  // The hidden window that receives the icon's messages.
  HWND TrayWindow() const { return trayWindow_.Handle(); }

 private:
  class HiddenWindow : public Wnd {
   public:
    explicit HiddenWindow(TFormEnhance& owner) : owner_(owner) {}
    void Create();

   protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

   private:
    TFormEnhance& owner_;
  };

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT result);
  void Unhook();
  void DropFiles(HDROP drop);
  void TrayMessage(UINT mouseMessage);
  void RunDefaultMenuItem();
  void UpdateTimer();
  core::PlacementStore MakeStore() const;
  bool NotifyShell(DWORD message);
  core::Placement CurrentPlacement() const;
  void ApplyPlacement(const core::Placement& placement);

  HWND formHandle_ = nullptr;  // null once the form's window is gone
  WNDPROC previousProc_ = nullptr;
  Storage storage_;

  bool acceptFiles_ = false;
  UniqueIcon icon_;
  std::string iconHint_;
  bool iconShowHint_ = false;
  bool iconVisible_ = false;
  bool iconCycle_ = false;
  UINT iconInterval_ = 0;
  bool pressed_ = false;
  int animationIndex_ = 0;
  // A placement restored as maximized onto a hidden form: it maximizes when
  // it is first shown.
  bool maximizeOnShow_ = false;

  HiddenWindow trayWindow_{*this};
  Timer timer_;
};

}  // namespace tq::ui
