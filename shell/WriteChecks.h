// The user's choices around writing the radio: show what will change before writing, and read
// the radio back after writing to check what it took. Both are on unless the user turns them
// off; they are kept in the user's settings store of the program (group "Write").
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace k7x {

struct WriteChecks {
    bool previewChanges = true;
    bool checkAfterWrite = true;
};

class WriteCheckStore {
public:
    // The user's native store of the program, "korvan7x".
    static WriteCheckStore forUser();
    // A store kept in the INI file at iniPath instead.
    static WriteCheckStore inFile(const QString& iniPath);

    WriteCheckStore(WriteCheckStore&&) noexcept;
    WriteCheckStore& operator=(WriteCheckStore&&) noexcept;
    ~WriteCheckStore();

    WriteChecks load() const;
    void save(const WriteChecks& checks);

private:
    explicit WriteCheckStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> settings_;
};

}  // namespace k7x
