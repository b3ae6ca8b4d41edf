#include "vcl/CheckListBox.h"

#include <new>

#include "vcl/Application.h"
#include "vcl/CheckListView.h"
#include "vcl/Palette.h"

namespace vcl {
namespace {

CheckListView* ViewOf(const TControl* control) { return static_cast<CheckListView*>(control->Widget()); }

}  // namespace

TCheckListBox::TCheckListBox(TForm* parent)
    : TControl(parent, new CheckListView(this, new CheckListModel)), model_(static_cast<CheckListModel*>(ViewOf(this)->model())) {
    model_->setParent(Widget());
    font_.OnChange = [this] { ShowFont(Widget(), font_, QPalette::Text); };
    font_.OnChange();
}

TCheckListBox::~TCheckListBox() = default;

void TCheckListBox::CheckIndex(int i) const {
    if (i < 0 || i >= Count()) throw EListError("List index out of bounds (" + std::to_string(i) + ")");
}

int TCheckListBox::Count() const { return int(model_->entries.size()); }

const std::string& TCheckListBox::Text(int i) const {
    CheckIndex(i);
    return model_->entries[i].text;
}

bool TCheckListBox::Checked(int i) const {
    CheckIndex(i);
    return model_->entries[i].ticked;
}

void TCheckListBox::SetChecked(int i, bool ticked) {
    CheckIndex(i);
    if (model_->entries[i].ticked == ticked) return;
    model_->SetTicked(i, ticked);
}

int TCheckListBox::ItemIndex() const {
    const QModelIndex current = ViewOf(this)->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TCheckListBox::SetItemIndex(int i) {
    CheckListView* view = ViewOf(this);
    if (i < 0) {
        view->selectionModel()->clear();
        return;
    }
    CheckIndex(i);
    const QModelIndex index = model_->index(i);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(index);
}

int TCheckListBox::Add(const std::string& text) {
    const int i = Count();
    try {
        model_->Append(text);
    } catch (const std::bad_alloc&) {
        throw EListError("Unable to insert a line");
    } catch (const std::length_error&) {
        throw EListError("Unable to insert a line");
    }
    return i;
}

void TCheckListBox::Delete(int i) {
    CheckIndex(i);
    const bool wasCurrent = ItemIndex() == i;
    model_->Remove(i);
    if (wasCurrent) ViewOf(this)->selectionModel()->clear();
}

void TCheckListBox::Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    if (from == to) return;
    model_->MoveRow(from, to);
}

void TCheckListBox::Clear() {
    model_->RemoveAll();
    ViewOf(this)->selectionModel()->clear();
}

void TCheckListBox::SetColor(TColor color) {
    SetWidgetColor(Widget(), QPalette::Base, color);
}

void TCheckListBox::UserMadeCurrent() {
    if (OnClick) Dispatch([this] { OnClick(this); });
}

void TCheckListBox::UserToggled(int i) {
    if (i < 0 || i >= Count()) return;
    model_->SetTicked(i, !model_->entries[i].ticked);
    if (OnClickCheck) Dispatch([this] { OnClickCheck(this); });
}

}  // namespace vcl
