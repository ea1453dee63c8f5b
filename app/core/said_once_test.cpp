#include "app/core/said_once.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

using Messages = std::vector<std::string>;

TEST(SaidOnce, AClashIsToldOncePerChange) {
  SaidOnce said;
  EXPECT_EQ(said.AfterRebuild({"clash A", "taken B"}), (Messages{"clash A", "taken B"})) << "opening the library";
  EXPECT_EQ(said.AfterRebuild({"clash A", "taken B"}), Messages{}) << "Refresh: nothing changed";
  EXPECT_EQ(said.AfterRebuild({"clash A", "clash C"}), Messages{"clash C"}) << "a new clash only";
  EXPECT_EQ(said.AfterRebuild({"clash C"}), Messages{}) << "A went away";
  EXPECT_EQ(said.AfterRebuild({"clash A", "clash C"}), Messages{"clash A"}) << "and came back: told again";

  // A reply saved with a taken key is told at once, and not again at the
  // next Refresh; a moved reply's refusal only when not told yet.
  said.Said("clash D");
  EXPECT_EQ(said.NotYetSaid({"clash D", "taken E"}), Messages{"taken E"});
  EXPECT_EQ(said.NotYetSaid({"taken E"}), Messages{});
  EXPECT_EQ(said.AfterRebuild({"clash A", "clash C", "clash D", "taken E"}), Messages{});

  said.Forget();
  EXPECT_EQ(said.AfterRebuild({"clash A"}), Messages{"clash A"}) << "another library";
}

}  // namespace
}  // namespace tq::app
