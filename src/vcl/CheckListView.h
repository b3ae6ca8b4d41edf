#pragma once
// The Qt side of the check list: the model over the entries, the view that
// turns the user's clicks and keys into the list's events, and the painting.

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

namespace vcl {

class TCheckListBox;

struct CheckListEntry {
    std::string text;
    bool ticked = false;
};

class CheckListModel : public QAbstractListModel {
public:
    std::vector<CheckListEntry> entries;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void Append(const std::string& text);
    void Remove(int i);
    void MoveRow(int from, int to);
    void RemoveAll();
    void SetTicked(int i, bool ticked);
};

class CheckListView : public QListView {
public:
    CheckListView(TCheckListBox* owner, CheckListModel* model);
    static constexpr int BoxWidth = 13;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TCheckListBox* owner_;
};

}  // namespace vcl
