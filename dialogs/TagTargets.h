#pragma once
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// The windows that a dialog's context tag names, each with a function that finds what the dialog
// writes into (the window may not exist yet when the tag is registered). Tags are kept in the
// order they were first registered; registering a tag again replaces its finder.
template <typename Target>
class TagTargets {
public:
    using Finder = std::function<Target()>;

    void add(const QString &tag, Finder find)
    {
        for (auto &row : rows_)
            if (row.first == tag) {
                row.second = std::move(find);
                return;
            }
        rows_.emplace_back(tag, std::move(find));
    }

    // What the first row with exactly this tag finds; a default Target when none matches.
    Target find(const QString &tag) const
    {
        for (const auto &row : rows_)
            if (row.first == tag)
                return row.second ? row.second() : Target();
        return Target();
    }

private:
    std::vector<std::pair<QString, Finder>> rows_;
};
