#include "app/core/reply_prop_layout.h"

#include <algorithm>

#include "ui/core/layout_scale.h"

namespace tq::app {
namespace {

using ui::core::Rect;
using ui::core::Size;

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

// The layout's pieces scaled one by one; places are made by adding them, so
// that whatever is anchored to the right or bottom edge keeps its margin
// exactly.
struct Scaled {
  explicit Scaled(int dpi) : dpi(dpi) {}
  int operator()(int pixels) const { return ui::core::ScaleForDpi(pixels, dpi); }
  int dpi;
};

Rect At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

}  // namespace

ReplyPropLayout LayOutReplyProp(Size client, bool spellCheckVisible, int dpi) {
  const Scaled s(dpi);
  const Size min = ReplyPropMinimumClient(spellCheckVisible, dpi);
  const int width = std::max(client.width, min.width);
  const int height = std::max(client.height, min.height);
  const int margin = s(kMargin), column = s(kColumnWidth), button = s(kButtonHeight), step = s(kButtonStep);
  const int columnX = width - margin - column;
  const int fieldWidth = columnX - 2 * margin;
  ReplyPropLayout l;
  l.categoryLabel = At(margin, s(8), fieldWidth, s(kLabelHeight));
  l.categoryCombo = At(margin, s(24), fieldWidth, s(kComboListHeight));
  l.descriptionLabel = At(margin, s(52), fieldWidth, s(kLabelHeight));
  l.descriptionEdit = At(margin, s(68), fieldWidth, s(kFieldHeight));
  l.hotKeyLabel = At(margin, s(96), fieldWidth, s(kLabelHeight));
  l.hotKey = At(margin, s(112), fieldWidth, s(kFieldHeight));
  l.okBtn = At(columnX, s(24), column, button);
  l.cancelBtn = At(columnX, s(24) + step, column, button);
  l.helpBtn = At(columnX, s(24) + 2 * step, column, button);
  const int textTop = s(kTextTop);
  l.responseLabel = At(margin, textTop - s(16), fieldWidth, s(kLabelHeight));
  const int checkY = height - margin - s(kCheckHeight);
  l.responseRichEdit = At(margin, textTop, fieldWidth, checkY - margin - textTop);
  int y = textTop;
  auto next = [&] {
    const Rect r = At(columnX, y, column, button);
    y += step;
    return r;
  };
  l.pasteBtn = next();
  l.loadBtn = next();
  l.spellCheckBtn = spellCheckVisible ? next() : At(columnX, y, column, button);  // hidden: where it will show
  l.removeFormatBtn = next();
  l.saveFormatCheck = At(margin, checkY, fieldWidth, s(kCheckHeight));
  return l;
}

Size ReplyPropMinimumClient(bool spellCheckVisible, int dpi) {
  const Scaled s(dpi);
  const int buttons = SideButtonCount(spellCheckVisible) * s(kButtonStep) - (s(kButtonStep) - s(kButtonHeight));
  return {3 * s(kMargin) + s(kMinFieldWidth) + s(kColumnWidth),
          s(kTextTop) + buttons + s(kMargin) + s(kCheckHeight) + s(kMargin)};
}

}  // namespace tq::app
