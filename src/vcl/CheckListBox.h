#pragma once
// A list of texts with a tick each and at most one current entry, shown in a
// list view over a plain vector, so that it stays quick with many entries.
// OnClick fires only when the user makes an entry current (a click, the arrow
// and paging keys, typing the first letters of an entry); OnClickCheck only
// when the user toggles a tick (a click in the box, the space bar). Changes
// the program makes fire neither.

#include <stdexcept>
#include <string>
#include <vector>

#include "vcl/Control.h"
#include "vcl/Font.h"

namespace vcl {

class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CheckListModel;

class TCheckListBox : public TControl {
public:
    explicit TCheckListBox(TForm* parent);
    ~TCheckListBox() override;

    int Count() const;
    const std::string& Text(int i) const;
    bool Checked(int i) const;
    void SetChecked(int i, bool ticked);
    int ItemIndex() const;         // -1 when no entry is current
    void SetItemIndex(int i);      // makes entry i the only current one and scrolls it into view; -1: none
    int Add(const std::string& text);  // appends an unticked entry; returns its index
    void Delete(int i);            // no entry is current afterwards when entry i was
    void Move(int from, int to);   // to is an index of the list without the entry
    void Clear();

    void SetColor(TColor color);
    TFont* Font() { return &font_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnClickCheck;

    // Called by the view for the user's actions.
    void UserMadeCurrent();
    void UserToggled(int i);

private:
    void CheckIndex(int i) const;
    CheckListModel* model_;
    TFont font_;
};

}  // namespace vcl
