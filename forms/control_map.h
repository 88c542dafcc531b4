// The controls of one loaded window, built from its layout table, found by
// what they are and their index.
#pragma once

#include <span>
#include <vector>

#include "layout.h"

class QWidget;

namespace numora {

class ControlMap {
public:
    // Builds every control of `specs` inside `client`, sets the tab order and
    // returns the first control in it that can take the focus.
    QWidget* build(QWidget* client, std::span<const ControlSpec> specs);

    // Null when the window has no such control.
    QWidget* get(Control c, int index = -1) const;
    template <class T>
    T* as(Control c, int index = -1) const { return static_cast<T*>(get(c, index)); }
    // The members of a control array, in index order.
    template <class T>
    std::vector<T*> array(Control c) const
    {
        std::vector<T*> members;
        for (const Entry& e : entries_)
            if (e.control == c) members.push_back(static_cast<T*>(e.widget));
        return members;
    }

    // The first control in the tab order that can take the focus now.
    QWidget* firstFocus() const;
    // The controls that keep the button face when the window is recoloured.
    const std::vector<QWidget*>& keepingButtonFace() const { return buttonFace_; }

private:
    struct Entry {
        Control control;
        int index;
        QWidget* widget;
    };
    std::vector<Entry> entries_;  // in table order, which is index order within an array
    std::vector<QWidget*> tabOrder_;
    std::vector<QWidget*> buttonFace_;
};

}  // namespace numora
