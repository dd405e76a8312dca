#include "core/ent_stat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lenzor {
namespace {

struct Probe {
    Probe(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    ~Probe() { log.push_back(name); }
    std::vector<std::string>& log;
    std::string name;
};

TEST(StatisticEntityTest, FreesOwnedObjectsFirstAddedFirst) {
    std::vector<std::string> log;
    {
        TStatisticEntity entity;
        entity.AddOwned(std::make_unique<Probe>(log, "a"));
        Probe* b = entity.AddOwned(std::make_unique<Probe>(log, "b"));
        entity.AddOwned(std::make_unique<Probe>(log, "c"));
        EXPECT_EQ(b->name, "b");
        EXPECT_EQ(entity.OwnedCount(), 3u);
        EXPECT_TRUE(log.empty());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
}

// Owners nest (an option system owns items that own their values): an owned owner frees what it
// owns in its own turn, before anything added after it.
TEST(StatisticEntityTest, AnOwnedOwnerFreesItsObjectsInItsTurn) {
    std::vector<std::string> log;
    {
        TStatisticEntity outer;
        outer.AddOwned(std::make_unique<Probe>(log, "a"));
        auto* inner = outer.AddOwned(std::make_unique<TStatisticEntity>());
        inner->AddOwned(std::make_unique<Probe>(log, "inner a"));
        inner->AddOwned(std::make_unique<Probe>(log, "inner b"));
        outer.AddOwned(std::make_unique<Probe>(log, "c"));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a", "inner a", "inner b", "c"}));
}

}  // namespace
}  // namespace lenzor
