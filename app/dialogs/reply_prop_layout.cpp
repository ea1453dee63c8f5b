#include "app/dialogs/reply_prop_layout.h"

#include <algorithm>

namespace tq::app {
namespace {

constexpr int kMargin = 8;
constexpr int kColumnWidth = 81;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 31;
constexpr int kLabelHeight = 13;
constexpr int kFieldHeight = 21;
constexpr int kComboListHeight = 200;
constexpr int kTextTop = 158;
constexpr int kCheckHeight = 17;
constexpr int kMinFieldWidth = 120;

int SideButtonCount(bool spellCheckVisible) { return spellCheckVisible ? 4 : 3; }
int SideButtonsHeight(bool spellCheckVisible) {
  return SideButtonCount(spellCheckVisible) * kButtonStep - (kButtonStep - kButtonHeight);
}

}  // namespace

ReplyPropLayout LayOutReplyProp(int width, int height, bool spellCheckVisible) {
  const ui::Rect min = ReplyPropMinimumClient(spellCheckVisible);
  width = std::max(width, min.width);
  height = std::max(height, min.height);
  const int columnX = width - kMargin - kColumnWidth;
  const int fieldWidth = columnX - 2 * kMargin;
  ReplyPropLayout l;
  l.categoryLabel = {kMargin, 8, fieldWidth, kLabelHeight};
  l.categoryCombo = {kMargin, 24, fieldWidth, kComboListHeight};
  l.descriptionLabel = {kMargin, 52, fieldWidth, kLabelHeight};
  l.descriptionEdit = {kMargin, 68, fieldWidth, kFieldHeight};
  l.hotKeyLabel = {kMargin, 96, fieldWidth, kLabelHeight};
  l.hotKey = {kMargin, 112, fieldWidth, kFieldHeight};
  l.okBtn = {columnX, 24, kColumnWidth, kButtonHeight};
  l.cancelBtn = {columnX, 24 + kButtonStep, kColumnWidth, kButtonHeight};
  l.helpBtn = {columnX, 24 + 2 * kButtonStep, kColumnWidth, kButtonHeight};
  l.responseLabel = {kMargin, kTextTop - 16, fieldWidth, kLabelHeight};
  const int checkY = height - kMargin - kCheckHeight;
  l.responseRichEdit = {kMargin, kTextTop, fieldWidth, checkY - 8 - kTextTop};
  int y = kTextTop;
  auto next = [&] {
    const ui::Rect r{columnX, y, kColumnWidth, kButtonHeight};
    y += kButtonStep;
    return r;
  };
  l.pasteBtn = next();
  l.loadBtn = next();
  if (spellCheckVisible) {
    l.spellCheckBtn = next();
  } else {
    l.spellCheckBtn = {columnX, y, kColumnWidth, kButtonHeight};  // where it will show
  }
  l.removeFormatBtn = next();
  l.saveFormatCheck = {kMargin, checkY, fieldWidth, kCheckHeight};
  return l;
}

ui::Rect ReplyPropMinimumClient(bool spellCheckVisible) {
  return {0, 0, 3 * kMargin + kMinFieldWidth + kColumnWidth,
          kTextTop + SideButtonsHeight(spellCheckVisible) + 8 + kCheckHeight + kMargin};
}

}  // namespace tq::app
