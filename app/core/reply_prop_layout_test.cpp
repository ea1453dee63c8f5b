#include "app/core/reply_prop_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/core/layout_scale.h"

namespace tq::app {
namespace {

using ui::core::Rect;
using ui::core::ScaleForDpi;
using ui::core::Size;

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<Rect> Visible(const ReplyPropLayout& l, bool spell, int dpi) {
  std::vector<Rect> r = {l.categoryLabel, l.descriptionLabel, l.descriptionEdit, l.hotKeyLabel,    l.hotKey,
                         l.okBtn,         l.cancelBtn,        l.helpBtn,         l.responseLabel,  l.responseRichEdit,
                         l.pasteBtn,      l.loadBtn,          l.removeFormatBtn, l.saveFormatCheck};
  // The combo's rectangle includes its opened list; closed it is a field high.
  r.push_back(
      {l.categoryCombo.left, l.categoryCombo.top, l.categoryCombo.right, l.categoryCombo.top + ScaleForDpi(21, dpi)});
  if (spell) r.push_back(l.spellCheckBtn);
  return r;
}

// 96, 120 and 144 dpi, and the layout DPIs the message font gives at 120 and
// 144 dpi under Wine.
constexpr int kDpis[] = {96, 120, 121, 144, 148};

TEST(ReplyPropLayout, NoControlsOverlapFromTheMinimumUpAtEachDpi) {
  for (int dpi : kDpis) {
    for (bool spell : {false, true}) {
      const Size min = ReplyPropMinimumClient(spell, dpi);
      const Size initial{ScaleForDpi(kReplyPropClientWidth, dpi), ScaleForDpi(kReplyPropClientHeight, dpi)};
      EXPECT_LT(min.width, initial.width) << dpi;
      EXPECT_LT(min.height, initial.height) << dpi;
      for (Size client : {min, initial, Size{1200, 900}, Size{initial.width + 1, initial.height + 3}}) {
        const std::vector<Rect> rects = Visible(LayOutReplyProp(client, spell, dpi), spell, dpi);
        for (size_t i = 0; i < rects.size(); ++i) {
          EXPECT_GE(rects[i].left, 0);
          EXPECT_LE(rects[i].right, client.width) << i << " at " << dpi;
          EXPECT_LE(rects[i].bottom, client.height) << i << " at " << dpi;
          for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(Overlap(rects[i], rects[j]))
                << i << " and " << j << " at " << client.width << "x" << client.height << ", " << dpi << " dpi";
        }
      }
    }
  }
}

TEST(ReplyPropLayout, TheTextGrowsAndItsButtonsKeepTheirMarginsAtEachDpi) {
  for (int dpi : kDpis) {
    const int margin = ScaleForDpi(8, dpi);
    const Size initial{ScaleForDpi(kReplyPropClientWidth, dpi), ScaleForDpi(kReplyPropClientHeight, dpi)};
    const ReplyPropLayout a = LayOutReplyProp(initial, true, dpi);
    const ReplyPropLayout b = LayOutReplyProp({initial.width + 201, initial.height + 151}, true, dpi);
    EXPECT_EQ(b.responseRichEdit.width(), a.responseRichEdit.width() + 201) << dpi;
    EXPECT_EQ(b.responseRichEdit.height(), a.responseRichEdit.height() + 151) << dpi;
    for (const auto& [l, client] :
         {std::pair{a, initial}, std::pair{b, Size{initial.width + 201, initial.height + 151}}}) {
      // The right column and the check box keep the margin to the edges,
      // whatever the size and the rounding.
      for (const Rect& button :
           {l.okBtn, l.cancelBtn, l.helpBtn, l.pasteBtn, l.loadBtn, l.spellCheckBtn, l.removeFormatBtn}) {
        EXPECT_EQ(button.left, l.responseRichEdit.right + margin) << dpi;
        EXPECT_EQ(client.width - button.right, margin) << dpi;
      }
      EXPECT_EQ(l.pasteBtn.top, l.responseRichEdit.top) << dpi;
      EXPECT_EQ(l.saveFormatCheck.top, l.responseRichEdit.bottom + margin) << dpi;
      EXPECT_EQ(client.height - l.saveFormatCheck.bottom, margin) << dpi;
    }
    // Hidden, the spelling button gives its place to the one after it.
    EXPECT_EQ(LayOutReplyProp(initial, false, dpi).removeFormatBtn.top, a.spellCheckBtn.top) << dpi;
    // Smaller than the minimum lays out as the minimum.
    EXPECT_EQ(LayOutReplyProp({10, 10}, true, dpi).responseRichEdit,
              LayOutReplyProp(ReplyPropMinimumClient(true, dpi), true, dpi).responseRichEdit)
        << dpi;
  }
  // At 96 dpi the places are the layout's own pixels.
  const ReplyPropLayout l = LayOutReplyProp({kReplyPropClientWidth, kReplyPropClientHeight}, true, 96);
  EXPECT_EQ(l.okBtn, (Rect{232, 24, 313, 49}));
  EXPECT_EQ(l.responseRichEdit, (Rect{8, 158, 224, 333}));
  EXPECT_EQ(l.saveFormatCheck, (Rect{8, 341, 224, 358}));
}

}  // namespace
}  // namespace tq::app
