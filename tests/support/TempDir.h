#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Creates a file with the given bytes and returns its path.
    std::string Write(const std::string& name, const std::string& bytes = "x") const;
    std::string MakeDir(const std::string& name) const;

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
