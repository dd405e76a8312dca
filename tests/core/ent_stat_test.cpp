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

TEST(StatisticEntityTest, DerivedMembersGoBeforeOwnedObjects) {
    std::vector<std::string> log;
    struct Derived : TStatisticEntity {
        explicit Derived(std::vector<std::string>& log) : member(log, "member") {
            AddOwned(std::make_unique<Probe>(log, "owned"));
        }
        Probe member;
    };
    { Derived d(log); }
    EXPECT_EQ(log, (std::vector<std::string>{"member", "owned"}));
}

}  // namespace
}  // namespace lenzor
