// Helpers shared by the test programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bvtest {

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
void writeFile(const std::string& path, const std::string& bytes);
std::vector<uint8_t> readFile(const std::string& path);

// Makes sure the memory interface is initialised (most subsystems allocate through it).
void ensureMemory();

// Installs a state table that has a row for every state the game names and no operations, for
// layers below the game's own table: state changes, resumable states and queued dialogs behave
// as in the game, and no screen runs.
void useNamedStates();

} // namespace bvtest
