#pragma once
// Open and save dialogs. Each keeps its file name and filter index between
// confirmed uses; a cancelled use changes neither. Running a dialog is a
// replaceable service, so that tests answer the dialogs.

#include <string>
#include <vector>

#include "vcl/Types.h"

namespace vcl {

enum TOpenOption : unsigned {
    ofAllowMultiSelect = 1,
    ofPathMustExist = 2,
    ofFileMustExist = 4,
    ofHideReadOnly = 8,
    ofEnableSizing = 16,
};
using TOpenOptions = unsigned;

struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string defaultExt;
    std::string fileName;
    std::string filter;  // display name and pattern pairs, separated by "|"
    int filterIndex = 1;
    TOpenOptions options = 0;
};

struct FileDialogAnswer {
    bool accepted = false;
    std::vector<std::string> files;  // full paths, in the dialog's order
    int filterIndex = 1;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer Run(const FileDialogRequest& request) = 0;
};

// nullptr puts the real dialogs back.
void SetFileDialogService(FileDialogService* service);

class TOpenDialog : public TObject {
public:
    std::string Title;
    std::string DefaultExt;
    std::string FileName;
    std::string Filter;
    int FilterIndex = 1;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    std::vector<std::string> Files;  // the chosen files of the last confirmed use

    // Runs the dialog modally; true when the user confirmed a choice.
    bool Execute();

protected:
    virtual bool IsSave() const { return false; }
};

class TSaveDialog : public TOpenDialog {
protected:
    bool IsSave() const override { return true; }
};

}  // namespace vcl
