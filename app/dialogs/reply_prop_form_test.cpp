#include "app/dialogs/reply_prop_form.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "library/reply_library.h"
#include "platform/utf16.h"
#include "spell/dialogs/dialog_script.h"
#include "spell/dialogs/spell_dialog.h"
#include "spell/engine/dictionary_compiler.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"
#include "tests/support/temp_dir.h"
#include "ui/caption_fit.h"
#include "ui/message_loop.h"
#include "ui/test_hints.h"
#include "ui/test_host.h"
#include "ui/test_message_boxes.h"
#include "ui/timer.h"

namespace tq::app {
namespace {

using storage::IsFormattedReply;
using ui::testing::MessageBoxAnswerer;
using ui::testing::TestHost;

constexpr char kNoText[] = "Please enter the reply text.";
constexpr char kNoCategory[] = "Please enter or select a category.  Categories help you organize and sort replies.";
constexpr char kNoDescription[] =
    "Please enter a description.  The description is what is displayed in the reply list so you can easily identify "
    "the reply.";
constexpr char kBoldRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f0 Dear {\\b\\cf1 Sir}\\par Thanks\\par}";

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "tq_dialogs_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

// A library file with one reply, opened and put into edit mode on it, or
// into insert mode on a new record.
struct ReplyTable {
  std::string path = TempPath(std::to_string(reinterpret_cast<uintptr_t>(this)) + ".qdk");
  storage::TBinaryDataSet table;

  explicit ReplyTable(const library::ReplyRecord* existing = nullptr) {
    library::CreateReplyTable(table, path);
    library::OpenReplyTable(table, path);
    if (existing) {
      table.Append();
      Set(*existing);
      table.Post();
      table.First();
      table.Edit();
    } else {
      table.Append();
    }
  }
  ~ReplyTable() {
    if (table.State() == storage::dsEdit || table.State() == storage::dsInsert) table.Cancel();
    table.Close();
    DeleteFileA(path.c_str());
  }
  void Set(const library::ReplyRecord& r) {
    table.FieldByName(storage::kCategoryField).SetAsString(r.Category);
    table.FieldByName(storage::kDescriptionField).SetAsString(r.Description);
    table.FieldByName(storage::kResponseField).SetAsString(r.Response);
    table.FieldByName(storage::kHotKeyField).SetAsInteger(r.HotKey);
  }
  std::string Field(const char* name) { return table.FieldByName(name).AsString(); }
  int32_t HotKey() { return table.FieldByName(storage::kHotKeyField).AsInteger(); }
};

// Types text the way a user does, one character message at a time.
void Type(HWND control, const std::string& text) {
  for (char c : text) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND ComboEdit(ui::ComboBox& combo) { return GetWindow(combo.Handle(), GW_CHILD); }

bool HasFocus(ui::Wnd& w) {
  HWND focus = GetFocus();
  return focus == w.Handle() || IsChild(w.Handle(), focus);
}

std::string ClassOf(HWND hwnd) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return cls;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
  return TRUE;
}

// The top-level windows of this thread.
std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// The hint texts of the tooltip windows that `form` owns, by control.
std::map<HWND, std::string> Hints(ui::Form& form) {
  const auto hints = ui::testing::ThreadHints(form.Handle());
  return {hints.begin(), hints.end()};
}

struct ReplyDialogTest : ::testing::Test {
  TestHost host;
  // The program's folder: a small American.adm, and Spell.cfg once written.
  tq::testing::TempDir programFolder;
  ReplyDialogTest() {
    spell::TCompileOptions compile;
    compile.title = "American English";
    compile.language = 1033;
    std::string image, error;
    spell::CompileMainDictionary({"the", "cat", "sat", "on", "mat", "dear", "sir", "thanks", "hello"}, compile, &image,
                                 nullptr, &error);
    platform::WriteWholeFile(platform::Env::Default(), programFolder.File("American.adm"), image);
  }
  ReplyPropOptions Options(bool saveWithFormatting = true) {
    return {.owner = host.form.Handle(),
            .categories = {"Billing", "Support"},
            .saveWithFormatting = saveWithFormatting,
            .liveSpelling = true,
            .spellingPlaces = ChooseSpellingPlaces(platform::Env::Default(), programFolder.path(), "")};
  }
};

TEST_F(ReplyDialogTest, ValidatesTextThenCategoryThenDescriptionWithTheFocusOnEach) {
  host.form.Show();
  ReplyTable t;
  TReplyPropForm form(t.table, Options(false));
  form.Show();
  MessageBoxAnswerer boxes(IDOK);

  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(boxes.seen.size(), 1u) << "with every field empty only the missing text is reported";
  EXPECT_EQ(boxes.seen[0].text, kNoText);
  EXPECT_EQ(boxes.seen[0].caption, "Error");
  EXPECT_TRUE(HasFocus(form.ResponseRichEdit));
  EXPECT_EQ(form.ModalResult(), ui::mrNone);

  // A text of blanks is a text.
  form.ResponseRichEdit.SetPlainText("   ");
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(boxes.seen.size(), 2u);
  EXPECT_EQ(boxes.seen[1].text, kNoCategory);
  EXPECT_TRUE(HasFocus(form.CategoryCombo));

  Type(ComboEdit(form.CategoryCombo), "Sales");
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(boxes.seen.size(), 3u);
  EXPECT_EQ(boxes.seen[2].text, kNoDescription);
  EXPECT_TRUE(HasFocus(form.DescriptionEdit));
  EXPECT_EQ(form.ModalResult(), ui::mrNone);

  Type(form.DescriptionEdit.Handle(), "Greeting");
  form.OkBtn.Send(BM_CLICK);
  EXPECT_EQ(boxes.seen.size(), 3u);
  EXPECT_EQ(form.ModalResult(), ui::mrOk);
  EXPECT_EQ(t.Field(storage::kResponseField).substr(0, 3), "   ");
  EXPECT_EQ(t.Field(storage::kCategoryField), "Sales");
  EXPECT_EQ(t.Field(storage::kDescriptionField), "Greeting");
  EXPECT_EQ(t.HotKey(), 0) << "an empty hotkey box stores 0";
}

TEST_F(ReplyDialogTest, CategoryAndDescriptionReachTheRecordOnOk) {
  library::ReplyRecord existing{"Support", "Old", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options());
  EXPECT_EQ(form.CategoryCombo.Text(), "Support");
  EXPECT_EQ(form.DescriptionEdit.Text(), "Old");
  ASSERT_EQ(form.CategoryCombo.Count(), 2);
  EXPECT_EQ(form.CategoryCombo.ItemText(0), "Billing") << "the categories in the order given";

  form.DescriptionEdit.SetSelection(3, 3);
  Type(form.DescriptionEdit.Handle(), " news");
  // Choosing from the list takes the chosen item.
  form.CategoryCombo.SetSelectedIndex(0);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form.CategoryCombo.Handle()));
  EXPECT_EQ(t.Field(storage::kDescriptionField), "Old") << "nothing is written before OK";
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(form.ModalResult(), ui::mrOk);
  EXPECT_EQ(t.Field(storage::kDescriptionField), "Old news");
  EXPECT_EQ(t.Field(storage::kCategoryField), "Billing");

  // Neither field takes more than the record keeps.
  TReplyPropForm again(t.table, Options());
  SetWindowTextW(again.DescriptionEdit.Handle(), L"");
  Type(again.DescriptionEdit.Handle(), std::string(40, 'd'));
  SendMessageW(ComboEdit(again.CategoryCombo), EM_SETSEL, 0, -1);
  Type(ComboEdit(again.CategoryCombo), std::string(40, 'c'));
  again.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(again.ModalResult(), ui::mrOk);
  EXPECT_EQ(t.Field(storage::kDescriptionField), std::string(32, 'd'));
  EXPECT_EQ(t.Field(storage::kCategoryField), std::string(32, 'c'));
}

TEST_F(ReplyDialogTest, TextsWindows1252LacksAreStoredExactlyAndShownAgain) {
  // Greek, CJK, a character beyond the BMP and a combining mark, as the user
  // types them (UTF-16 character messages, a pair as its two halves).
  const std::wstring category = L"\u0391\u03c0\u03ac\u03bd\u03c4\u03b7\u03c3\u03b7";
  const std::wstring description = L"\u6587\u4ef6 \U0001F600";
  const std::wstring typed = L"Caf\u00e9 e\u0301 \u2603 \U0001F600\r\u0416\u0443\u043a";
  const std::string text = "Caf\xC3\xA9 e\xCC\x81 \xE2\x98\x83 \xF0\x9F\x98\x80\r\n\xD0\x96\xD1\x83\xD0\xBA";
  ReplyTable t;
  TReplyPropForm form(t.table, Options(false));
  for (wchar_t c : category) SendMessageW(ComboEdit(form.CategoryCombo), WM_CHAR, c, 1);
  for (wchar_t c : description) SendMessageW(form.DescriptionEdit.Handle(), WM_CHAR, c, 1);
  SetFocus(form.ResponseRichEdit.Handle());
  for (wchar_t c : typed) {
    // The rich edit starts a paragraph on the Enter key, not on its character.
    if (c == L'\r') {
      SendMessageW(form.ResponseRichEdit.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    } else {
      SendMessageW(form.ResponseRichEdit.Handle(), WM_CHAR, c, 1);
    }
  }
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(form.ModalResult(), ui::mrOk);

  const library::ReplyRecord stored = library::CurrentReply(t.table);
  EXPECT_EQ(stored.Category, platform::Utf8(category));
  EXPECT_EQ(stored.Description, platform::Utf8(description));
  // The text and at most the line break a rich edit keeps after it.
  EXPECT_EQ(stored.Response.substr(0, text.size()), text);
  EXPECT_EQ(stored.Response.find_first_not_of("\r\n", text.size()), std::string::npos) << stored.Response;
  EXPECT_FALSE(library::IsFormattedResponse(stored.Response)) << "a plain reply stays plain";

  TReplyPropForm again(t.table, Options(false));
  EXPECT_EQ(again.CategoryCombo.Text(), platform::Utf8(category));
  EXPECT_EQ(again.DescriptionEdit.Text(), platform::Utf8(description));
  EXPECT_EQ(again.ResponseRichEdit.PlainText().substr(0, stored.Response.size()), stored.Response);
}

TEST_F(ReplyDialogTest, TheSizeCheckCountsTheStoredBytes) {
  // 1500 CJK characters are 4500 bytes of UTF-8 but stored as escapes of
  // several bytes each: the check is on the stored size.
  std::string cjk;
  for (int i = 0; i < 1500; ++i) cjk += "\xE6\x96\x87";
  const size_t storedSize = storage::StoredResponseSize({"Support", "Hi", cjk});
  ASSERT_GT(storedSize, 4096u);
  library::ReplyRecord existing{"Support", "Hi", "old text", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(false));
  form.ResponseRichEdit.SetPlainText(cjk);
  ASSERT_EQ(form.ResponseRichEdit.PlainText(), cjk);
  MessageBoxAnswerer boxes(IDOK);
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, "The reply text is " + std::to_string(storedSize - 4096) +
                                    " characters too long to be stored.  A reply can hold at most 4096 characters.");
  EXPECT_EQ(form.ModalResult(), ui::mrNone);
  EXPECT_EQ(t.Field(storage::kResponseField), "old text");
}

TEST_F(ReplyDialogTest, HotKeyShowsTheRecordsValueAndStoresTheBoxes) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0x18041};  // only the low 16 bits count
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options());
  EXPECT_EQ(form.HotKey.Send(HKM_GETHOTKEY), MAKEWORD('A', HOTKEYF_ALT));

  form.HotKey.Send(HKM_SETHOTKEY, MAKEWORD('R', HOTKEYF_SHIFT | HOTKEYF_CONTROL));
  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(form.ModalResult(), ui::mrOk);
  EXPECT_EQ(t.HotKey(), 0x6052);

  library::ReplyRecord none{"Support", "Hi", "Hello", 0};
  ReplyTable t2(&none);
  TReplyPropForm form2(t2.table, Options());
  EXPECT_EQ(form2.HotKey.Send(HKM_GETHOTKEY), 0) << "no key shown for a reply without hotkey";
  form2.HotKey.Send(HKM_SETHOTKEY, MAKEWORD(VK_F5, 0));
  form2.HotKey.Send(WM_KEYDOWN, VK_BACK, 0);  // the user clears it again
  form2.HotKey.Send(WM_KEYUP, VK_BACK, 0xC0000000);
  EXPECT_EQ(form2.HotKey.Value(), 0);
  form2.OkBtn.Send(BM_CLICK);
  EXPECT_EQ(t2.HotKey(), 0);
}

TEST_F(ReplyDialogTest, LoadingAFileSetsTheFormatBoxByItsExtension) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(false));
  const std::string txt = TempPath("letter.txt"), rtf = TempPath("letter.Rtf"), rtfInTxt = TempPath("rtf.txt");
  WriteFile(txt, "Plain letter\r\nSecond line");
  WriteFile(rtf, kBoldRtf);
  WriteFile(rtfInTxt, kBoldRtf);

  form.LoadFile(rtf);
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 16), "Dear Sir\r\nThanks") << "read as rich text";
  EXPECT_TRUE(form.SaveFormatCheck.Checked());
  EXPECT_TRUE(form.SaveFormatCheck.Enabled());
  EXPECT_TRUE(form.RemoveFormatBtn.Enabled());

  form.LoadFile(txt);
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 25), "Plain letter\r\nSecond line");
  EXPECT_FALSE(form.SaveFormatCheck.Checked());
  EXPECT_FALSE(form.SaveFormatCheck.Enabled());
  EXPECT_FALSE(form.RemoveFormatBtn.Enabled());

  // Rich text in a .txt file still reads as rich text; the extension alone
  // decides the format box.
  form.LoadFile(rtfInTxt);
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 8), "Dear Sir");
  EXPECT_FALSE(form.SaveFormatCheck.Checked());

  form.OkBtn.Send(BM_CLICK);
  EXPECT_FALSE(IsFormattedReply(t.Field(storage::kResponseField)));

  EXPECT_THROW(form.LoadFile(TempPath("missing.txt")), std::runtime_error);
  for (const std::string& p : {txt, rtf, rtfInTxt}) DeleteFileA(p.c_str());
}

TEST_F(ReplyDialogTest, LoadButtonOffersTextFilesAndLoadsTheChosenOne) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(false));
  const std::string rtf = TempPath("chosen.rtf");
  WriteFile(rtf, kBoldRtf);
  std::vector<std::string> fileTypes;
  // Answers the open-file dialog from inside its own modal loop.
  ui::Timer answer;
  answer.onTimer = [&] {
    HWND dialog = nullptr;
    for (HWND hwnd : ThreadWindows()) {
      if (ClassOf(hwnd) == "#32770" && IsWindowVisible(hwnd)) dialog = hwnd;
    }
    if (!dialog) return;
    answer.Stop();
    HWND types = GetDlgItem(dialog, cmb1);
    for (int i = 0, n = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0)); i < n; ++i) {
      char text[128] = {};
      SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      fileTypes.push_back(text);
    }
    SetDlgItemTextA(dialog, cmb13, rtf.c_str());
    SetDlgItemTextA(dialog, edt1, rtf.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  };
  answer.Start(50);
  form.LoadBtn.Send(BM_CLICK);
  EXPECT_EQ(fileTypes, (std::vector<std::string>{"Text Files (*.rtf, *.txt)", "All Files"}));
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 8), "Dear Sir");
  EXPECT_TRUE(form.SaveFormatCheck.Checked());
  DeleteFileA(rtf.c_str());
}

TEST_F(ReplyDialogTest, PasteInsertsTheClipboardAtTheCaret) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(false));
  ASSERT_TRUE(OpenClipboard(form.Handle()));
  EmptyClipboard();
  const char pasted[] = "dear ";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
  std::memcpy(GlobalLock(memory), pasted, sizeof pasted);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();

  CHARRANGE caret{0, 0};
  form.ResponseRichEdit.Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  form.PasteBtn.Send(BM_CLICK);
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 10), "dear Hello");
}

TEST_F(ReplyDialogTest, RemoveFormattingKeepsTheCharactersAndStoresPlainText) {
  library::ReplyRecord existing{"Support", "Hi", kBoldRtf, 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(true));
  const std::string before = form.ResponseRichEdit.PlainText();
  ASSERT_EQ(before.substr(0, 8), "Dear Sir");

  form.RemoveFormatBtn.Send(BM_CLICK);
  EXPECT_EQ(form.ResponseRichEdit.PlainText(), before);
  EXPECT_EQ(form.ResponseRichEdit.Rtf().find("\\cf1"), std::string::npos) << "the colour is gone";
  EXPECT_FALSE(form.SaveFormatCheck.Checked());
  EXPECT_FALSE(form.SaveFormatCheck.Enabled());
  EXPECT_FALSE(form.RemoveFormatBtn.Enabled());

  form.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(form.ModalResult(), ui::mrOk);
  EXPECT_EQ(t.Field(storage::kResponseField), before);
}

TEST_F(ReplyDialogTest, TheFormatBoxDecidesTheStoredForm) {
  // A plain reply edited with the box ticked is stored as rich text.
  library::ReplyRecord plain{"Support", "Hi", "Hello there", 0};
  ReplyTable t(&plain);
  TReplyPropForm form(t.table, Options(false));
  EXPECT_EQ(form.ResponseRichEdit.PlainText().substr(0, 11), "Hello there");
  form.SaveFormatCheck.Send(BM_CLICK);
  ASSERT_TRUE(form.SaveFormatCheck.Checked());
  form.OkBtn.Send(BM_CLICK);
  const std::string stored = t.Field(storage::kResponseField);
  EXPECT_TRUE(IsFormattedReply(stored)) << stored;
  EXPECT_NE(stored.find("Hello there"), std::string::npos);

  // A new reply started with the box off is stored as plain text, its lines
  // joined by CR LF.
  ReplyTable t2;
  TReplyPropForm form2(t2.table, Options(false));
  form2.ResponseRichEdit.SetRtf(kBoldRtf);
  Type(ComboEdit(form2.CategoryCombo), "Support");
  Type(form2.DescriptionEdit.Handle(), "New");
  form2.OkBtn.Send(BM_CLICK);
  ASSERT_EQ(form2.ModalResult(), ui::mrOk);
  EXPECT_EQ(t2.Field(storage::kResponseField).substr(0, 16), "Dear Sir\r\nThanks");
  EXPECT_FALSE(IsFormattedReply(t2.Field(storage::kResponseField)));
}

TEST_F(ReplyDialogTest, RichTextTooLongToStoreIsOfferedAsPlainText) {
  library::ReplyRecord existing{"Support", "Hi", "old text", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(true));
  // 3000 plain characters, each word in its own colour run: far more RTF.
  std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\f0 ";
  for (int i = 0; i < 300; ++i) rtf += (i % 2 ? "\\cf1 " : "\\cf2 ") + std::string("word word ");
  rtf += "\\par}";
  ASSERT_TRUE(form.ResponseRichEdit.SetRtf(rtf));
  const std::string richText = form.ResponseRichEdit.Rtf();
  const size_t richLength = richText.substr(0, richText.find('\0')).size();
  ASSERT_GT(richLength, 4096u);
  const std::string plain = form.ResponseRichEdit.PlainText();
  ASSERT_LE(plain.size(), 4096u);

  {
    MessageBoxAnswerer no(IDNO);
    form.OkBtn.Send(BM_CLICK);
    ASSERT_EQ(no.seen.size(), 1u);
    EXPECT_EQ(no.seen[0].text, "The formatted reply text is " + std::to_string(richLength - 4096) +
                                   " characters too long to be stored.  Save it as plain text instead?");
    EXPECT_EQ(form.ModalResult(), ui::mrNone) << "No goes back to the dialog";
    EXPECT_EQ(t.Field(storage::kResponseField), "old text");
    EXPECT_TRUE(HasFocus(form.ResponseRichEdit));
  }
  {
    MessageBoxAnswerer yes(IDYES);
    form.OkBtn.Send(BM_CLICK);
    ASSERT_EQ(yes.seen.size(), 1u);
    EXPECT_EQ(form.ModalResult(), ui::mrOk);
    EXPECT_EQ(t.Field(storage::kResponseField), plain);
  }
}

TEST_F(ReplyDialogTest, PlainTextTooLongKeepsTheDialogOpenSayingByHowMuch) {
  library::ReplyRecord existing{"Support", "Hi", "old text", 0};
  ReplyTable t(&existing);
  for (bool formatted : {false, true}) {
    TReplyPropForm form(t.table, Options(formatted));
    form.ResponseRichEdit.SetPlainText(std::string(5000, 'x'));
    MessageBoxAnswerer boxes(IDOK);
    form.OkBtn.Send(BM_CLICK);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, std::string("The reply text is 904 characters too long to be stored") +
                                      (formatted ? ", even without its formatting" : "") +
                                      ".  A reply can hold at most 4096 characters.");
    EXPECT_EQ(form.ModalResult(), ui::mrNone);
    EXPECT_EQ(t.Field(storage::kResponseField), "old text");
  }
}

TEST_F(ReplyDialogTest, EnterAndEscapeNeitherConfirmNorCancel) {
  host.form.Show();
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options());
  int okClicks = 0;
  form.OkBtn.onClick = [&] {
    ++okClicks;
    form.OkBtnClick();
  };
  PostMessageA(form.DescriptionEdit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(form.DescriptionEdit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(form.OkBtn.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), ui::mrOk) << "Escape did not cancel";
  EXPECT_EQ(okClicks, 1) << "Enter did not press OK";
  EXPECT_FALSE(IsWindowEnabled(host.form.Handle()) == FALSE) << "the owner is enabled again";

  PostMessageA(form.CancelBtn.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
}

// The category's text is shown selected only while its box has the focus:
// with the focus in another field, one highlight shows where typing goes.
TEST_F(ReplyDialogTest, TheCategoryKeepsNoHighlightWithoutTheFocus) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options());
  form.Show();
  auto selection = [&] {
    DWORD start = 0, end = 0;
    SendMessageA(form.CategoryCombo.Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return std::make_pair(start, end);
  };
  form.CategoryCombo.SetFocus();
  SendMessageA(form.CategoryCombo.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  ui::ProcessPendingMessages();
  ASSERT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{7})) << "selected while focused";
  form.DescriptionEdit.SetFocus();
  ui::ProcessPendingMessages();
  const auto [start, end] = selection();
  EXPECT_EQ(start, end) << "no selection left behind";
  EXPECT_EQ(form.CategoryCombo.Text(), "Support");
}

TEST_F(ReplyDialogTest, CaptionSizeHintsAndTheSpellingButton) {
  library::ReplyRecord existing{"Support", "Hi", "Hello", 0};
  ReplyTable t(&existing);
  ReplyPropOptions options = Options();
  options.liveSpelling = false;
  TReplyPropForm form(t.table, options);
  EXPECT_EQ(form.Text(), "Reply Properties");
  const ui::Rect client = form.ClientRect();
  EXPECT_EQ(client.width, form.Scale(321));
  EXPECT_EQ(client.height, form.Scale(366));
  form.Show();
  EXPECT_TRUE(form.SpellCheckBtn.Visible());
  EXPECT_EQ(form.SpellCheckBtn.Text(), "Spell Chec&k");
  EXPECT_FALSE(form.LiveSpelling());
  EXPECT_EQ(form.SaveFormatCheck.Text(), "&Save with Formatting");
  const std::map<HWND, std::string> expectedHints = {
      {form.PasteBtn.Handle(), "Paste Contents of the Clipboard"},
      {form.LoadBtn.Handle(), "Load From File"},
      {form.SpellCheckBtn.Handle(), "Spell Check Reply"},
      {form.RemoveFormatBtn.Handle(), "Remove Formatting"},
  };
  EXPECT_EQ(Hints(form), expectedHints);
  const std::pair<ui::Wnd*, const char*> labels[] = {{&form.CategoryLabel, "Cate&gory:"},
                                                     {&form.DescriptionLabel, "&Description:"},
                                                     {&form.HotKeyLabel, "Hotke&y:  (Optional)"},
                                                     {&form.ResponseLabel, "&Reply Text:"}};
  for (const auto& [label, text] : labels) EXPECT_EQ(label->Text(), text);

  // The reply text grows with the window; its buttons stay at its right edge.
  const ui::Rect textBefore = form.ResponseRichEdit.Bounds();
  const ui::Rect frame = form.Bounds();
  SetWindowPos(form.Handle(), nullptr, 0, 0, frame.width + 100, frame.height + 80, SWP_NOMOVE | SWP_NOZORDER);
  const ui::Rect text = form.ResponseRichEdit.Bounds();
  EXPECT_EQ(text.width, textBefore.width + 100);
  EXPECT_EQ(text.height, textBefore.height + 80);
  EXPECT_EQ(form.PasteBtn.Bounds().x, text.right() + form.Scale(8));
  EXPECT_EQ(form.OkBtn.Bounds().right(), form.ClientRect().width - form.Scale(8));

  // It cannot shrink below what its controls need, which is less than it starts with.
  SetWindowPos(form.Handle(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
  const ui::Rect small = form.ClientRect();
  EXPECT_GT(small.width, form.Scale(200));
  EXPECT_LT(small.width, form.Scale(321));
  EXPECT_LT(small.height, form.Scale(366));
  EXPECT_LE(form.RemoveFormatBtn.Bounds().bottom(), form.SaveFormatCheck.Bounds().y);
}

// The spell-check dialog through the Spell Check button: Change All on the
// two misspellings, the end message, and the reply text corrected in the
// box, reaching the record only with OK.
void CheckWithChangeAll(TReplyPropForm& form, std::vector<std::string>* ended) {
  spell::testing::DialogScript script;
  script.Then("Spelling", [](HWND hwnd) {
    auto* dialog = dynamic_cast<spell::TSpellDialog*>(ui::Wnd::FromHandle(hwnd));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->NotFoundEdit.Text(), "teh");
    spell::testing::PostClick(dialog->ChangeAllButton.Handle());
  });
  MessageBoxAnswerer answerer(IDOK);
  form.SpellCheckBtn.Send(BM_CLICK);
  EXPECT_TRUE(script.Done()) << "waiting for " << script.Waiting();
  for (const auto& seen : answerer.seen) ended->push_back(seen.caption + ": " + seen.text);
}

TEST_F(ReplyDialogTest, SpellCheckCorrectsTheTextAndOkStoresIt) {
  library::ReplyRecord existing{"Support", "Hi", "teh cat sat on teh mat", 0};
  ReplyTable t(&existing);
  TReplyPropForm form(t.table, Options(/*saveWithFormatting=*/false));
  form.Show();
  ASSERT_NE(form.QuillSpell, nullptr);
  EXPECT_TRUE(form.QuillSpell->ReadLiveSpelling());
  std::vector<std::string> ended;
  CheckWithChangeAll(form, &ended);
  EXPECT_EQ(ended, std::vector<std::string>{"Spelling: The spelling check is complete."});
  EXPECT_EQ(form.ResponseRichEdit.PlainText(), "the cat sat on the mat");
  EXPECT_EQ(t.Field(storage::kResponseField), "teh cat sat on teh mat") << "not before OK";
  PostMessageA(form.OkBtn.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(form.ShowModal(), ui::mrOk);
  EXPECT_EQ(t.Field(storage::kResponseField), "the cat sat on the mat");
}

TEST_F(ReplyDialogTest, CancelAfterASpellCheckDiscardsItsCorrections) {
  library::ReplyRecord existing{"Support", "Hi", "teh cat sat on teh mat", 0};
  ReplyTable t(&existing);
  ReplyPropOptions options = Options();
  // Without live spelling the button still checks the whole text.
  options.liveSpelling = false;
  TReplyPropForm form(t.table, options);
  form.Show();
  EXPECT_FALSE(form.QuillSpell->ReadLiveSpelling());
  std::vector<std::string> ended;
  CheckWithChangeAll(form, &ended);
  EXPECT_EQ(form.ResponseRichEdit.PlainText(), "the cat sat on the mat");
  PostMessageA(form.CancelBtn.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(form.ShowModal(), ui::mrCancel);
  t.table.Cancel();
  t.table.First();
  EXPECT_EQ(t.Field(storage::kResponseField), "teh cat sat on teh mat");
}

// Every caption fits its control, measured with its own font.
TEST_F(ReplyDialogTest, EveryCaptionFits) {
  host.form.Show();
  ReplyTable t;
  TReplyPropForm form(t.table, Options());
  form.Show();
  std::string cut;
  for (const std::string& c : ui::CutCaptions(form.Handle())) cut += "\n  " + c;
  EXPECT_EQ(cut, "");
}

}  // namespace
}  // namespace tq::app
