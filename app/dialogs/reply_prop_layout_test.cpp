#include "app/dialogs/reply_prop_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq::app {
namespace {

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

std::vector<ui::Rect> Visible(const ReplyPropLayout& l, bool spell) {
  std::vector<ui::Rect> r = {
      l.categoryLabel, l.descriptionLabel, l.descriptionEdit, l.hotKeyLabel,    l.hotKey,
      l.okBtn,         l.cancelBtn,        l.helpBtn,         l.responseLabel,  l.responseRichEdit,
      l.pasteBtn,      l.loadBtn,          l.removeFormatBtn, l.saveFormatCheck};
  // The combo's rectangle includes its opened list; its closed height is 21.
  r.push_back({l.categoryCombo.x, l.categoryCombo.y, l.categoryCombo.width, 21});
  if (spell) r.push_back(l.spellCheckBtn);
  return r;
}

TEST(ReplyPropLayout, NoControlsOverlapFromTheMinimumUp) {
  for (bool spell : {false, true}) {
    const ui::Rect min = ReplyPropMinimumClient(spell);
    EXPECT_LT(min.width, kReplyPropClientWidth);
    EXPECT_LT(min.height, kReplyPropClientHeight);
    for (auto [w, h] :
         {std::pair{min.width, min.height}, {kReplyPropClientWidth, kReplyPropClientHeight}, {800, 600}}) {
      const std::vector<ui::Rect> rects = Visible(LayOutReplyProp(w, h, spell), spell);
      for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_GE(rects[i].x, 0);
        EXPECT_LE(rects[i].right(), w);
        EXPECT_LE(rects[i].bottom(), h);
        for (size_t j = i + 1; j < rects.size(); ++j)
          EXPECT_FALSE(Overlap(rects[i], rects[j])) << i << " and " << j << " at " << w << "x" << h;
      }
    }
  }
}

TEST(ReplyPropLayout, TheTextGrowsAndItsButtonsFollowItsRightEdge) {
  const ReplyPropLayout a = LayOutReplyProp(kReplyPropClientWidth, kReplyPropClientHeight, true);
  const ReplyPropLayout b = LayOutReplyProp(kReplyPropClientWidth + 200, kReplyPropClientHeight + 150, true);
  EXPECT_EQ(b.responseRichEdit.width, a.responseRichEdit.width + 200);
  EXPECT_EQ(b.responseRichEdit.height, a.responseRichEdit.height + 150);
  for (const ReplyPropLayout& l : {a, b}) {
    for (const ui::Rect& button : {l.pasteBtn, l.loadBtn, l.spellCheckBtn, l.removeFormatBtn})
      EXPECT_EQ(button.x, l.responseRichEdit.right() + 8);
    EXPECT_EQ(l.pasteBtn.y, l.responseRichEdit.y);
    EXPECT_EQ(l.saveFormatCheck.y, l.responseRichEdit.bottom() + 8);
  }
  // Hidden, the spelling button gives its place to the one after it.
  const ReplyPropLayout c = LayOutReplyProp(kReplyPropClientWidth, kReplyPropClientHeight, false);
  EXPECT_EQ(c.removeFormatBtn.y, a.spellCheckBtn.y);
  // Smaller than the minimum lays out as the minimum.
  EXPECT_EQ(
      LayOutReplyProp(10, 10, true).responseRichEdit,
      LayOutReplyProp(ReplyPropMinimumClient(true).width, ReplyPropMinimumClient(true).height, true).responseRichEdit);
}

}  // namespace
}  // namespace tq::app
