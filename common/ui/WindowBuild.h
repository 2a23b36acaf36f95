#pragma once
#include <functional>

class QWidget;

// The program creates every window at start-up, hidden. Most of them are never opened in a
// given run, so a window created at start-up builds its controls the first time the program
// touches it (through its global, see WindowHandle) or shows it, not when it is created.
// Outside start-up a window builds them at once, as any widget does.

// Builds part of a window: at once, or, for a top-level window created at start-up, when the
// window is first needed. Several calls on one window (a base class and then its descendant)
// run in the order they were made.
void BuildWhenNeeded(QWidget *window, std::function<void()> build);

// Runs the builds of the window that are still waiting; nothing when there are none.
void BuildPending(QWidget *window);

// While an instance lives, top-level windows created leave their building for later.
class DeferWindowBuilds {
public:
    DeferWindowBuilds();
    ~DeferWindowBuilds();
    DeferWindowBuilds(const DeferWindowBuilds &) = delete;
    DeferWindowBuilds &operator=(const DeferWindowBuilds &) = delete;

private:
    bool previous_;
};

// The global through which the program reaches the single instance of a window class. Every
// use that hands out the window first builds what it still owes.
template <class T>
class WindowHandle {
public:
    constexpr WindowHandle() = default;
    WindowHandle &operator=(T *window)
    {
        window_ = window;
        return *this;
    }

    T *get() const
    {
        if (window_)
            BuildPending(window_);
        return window_;
    }
    T *operator->() const { return get(); }
    T &operator*() const { return *get(); }
    operator T *() const { return get(); }

    // The instance as it stands, built or not: for creating and destroying it.
    T *unbuilt() const { return window_; }

private:
    T *window_ = nullptr;
};
