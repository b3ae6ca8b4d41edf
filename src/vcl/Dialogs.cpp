#include "vcl/Dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

#include "vcl/Application.h"
#include "vcl/Form.h"

namespace vcl {
namespace {

QString Decode(const std::string& text) { return QFile::decodeName(text.c_str()); }
std::string Encode(const QString& text) { return QFile::encodeName(text).toStdString(); }

// "Name|*.a;*.b|Other|*.c" becomes "Name (*.a *.b)" and "Other (*.c)".
QStringList NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters;
}

class QtFileDialogs : public FileDialogService {
public:
    FileDialogAnswer Run(const FileDialogRequest& request) override {
        QWidget* owner = Application && Application->MainForm ? Application->MainForm->Widget() : nullptr;
        QFileDialog dialog(owner, QString::fromStdString(request.title));
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (request.save)
            dialog.setFileMode(QFileDialog::AnyFile);
        else if (request.options & ofAllowMultiSelect)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else
            dialog.setFileMode(request.options & ofFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
        const QStringList filters = NameFilters(request.filter);
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
        const QString name = Decode(request.fileName);
        if (!name.isEmpty() && !name.contains('*')) dialog.selectFile(name);

        FileDialogAnswer answer;
        answer.filterIndex = request.filterIndex;
        if (dialog.exec() != QDialog::Accepted) return answer;
        answer.accepted = true;
        for (const QString& file : dialog.selectedFiles()) answer.files.push_back(Encode(file));
        answer.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        if (answer.filterIndex < 1) answer.filterIndex = request.filterIndex;
        return answer;
    }
};

FileDialogService* current = nullptr;

FileDialogService& Service() {
    static QtFileDialogs real;
    return current ? *current : real;
}

}  // namespace

void SetFileDialogService(FileDialogService* service) { current = service; }

bool TOpenDialog::Execute() {
    FileDialogRequest request{IsSave(), Title, DefaultExt, FileName, Filter, FilterIndex, Options};
    FileDialogAnswer answer = Service().Run(request);
    if (!answer.accepted || answer.files.empty()) return false;
    Files = std::move(answer.files);
    FileName = Files.front();
    FilterIndex = answer.filterIndex;
    return true;
}

}  // namespace vcl
