// The private parts of a game session: each subsystem keeps its own state in a struct
// beside its code and reaches it through an accessor of its own (hallOfFame(g), ...).
// The session holds the parts without knowing their types, so session/game.h includes
// no subsystem header; a part is created, value-initialised, on first use and destroyed
// with the session through the deleter its shared_ptr carries. Creating a part changes
// nothing anyone could observe, so a const session hands out its parts too.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

class SessionParts {
  public:
    template <class T> T& part() const {
        const std::size_t index = partIndex<T>();
        if (index >= parts_.size()) parts_.resize(index + 1);
        std::shared_ptr<void>& slot = parts_[index];
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

  private:
    // One number per part type, handed out on first use of the type.
    static std::size_t nextPartIndex() {
        static std::atomic<std::size_t> next{0};
        return next++;
    }
    template <class T> static std::size_t partIndex() {
        static const std::size_t index = nextPartIndex();
        return index;
    }

    mutable std::vector<std::shared_ptr<void>> parts_;
};
