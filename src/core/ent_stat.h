// TStatisticEntity: common base of objects that own other objects and free them, first-added
// first, when they are destroyed themselves.
#pragma once

#include <memory>
#include <vector>

namespace lenzor {

class TStatisticEntity {
public:
    TStatisticEntity() = default;
    TStatisticEntity(const TStatisticEntity&) = delete;
    TStatisticEntity& operator=(const TStatisticEntity&) = delete;
    virtual ~TStatisticEntity();

    // Takes ownership of any object; returns it for convenience.
    template <class T> T* AddOwned(std::unique_ptr<T> object) {
        T* raw = object.release();
        owned_.push_back(Owned{raw, [](void* p) { delete static_cast<T*>(p); }});
        return raw;
    }

    std::size_t OwnedCount() const { return owned_.size(); }

private:
    struct Owned {
        void* object;
        void (*destroy)(void*);
    };
    std::vector<Owned> owned_;
};

}  // namespace lenzor
