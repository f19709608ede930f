#pragma once

class TExGroup;

// Something that lives inside a group of the side bar.
class TExCustomItem {
public:
    explicit TExCustomItem(TExGroup *group) : m_group(group) {}
    virtual ~TExCustomItem();

    TExCustomItem(const TExCustomItem &) = delete;
    TExCustomItem &operator=(const TExCustomItem &) = delete;

    TExGroup *Group() const { return m_group; }

private:
    TExGroup *m_group;
};
