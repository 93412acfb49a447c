#pragma once
// A seam is a small interface at one of the program's natural boundaries (message
// boxes, the process-status calls, the keyboard state, facts about the host). The
// program always reaches it through Seam<I>::Current(); tests put a fake in place for
// the lifetime of a Seam<I>::Override.
//
// The real implementation of each interface defines Seam<I>::Default() in its .cpp,
// and the interface's header declares that specialization.

template <class Interface>
class Seam {
public:
    static Interface& Current() { return override_ != nullptr ? *override_ : Default(); }

    // The real implementation: for fakes that change only part of it.
    static Interface& Default();

    class Override {
    public:
        explicit Override(Interface& fake) : previous_(override_) { override_ = &fake; }
        ~Override() { override_ = previous_; }
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        Interface* previous_;
    };

private:
    static inline Interface* override_ = nullptr;
};
