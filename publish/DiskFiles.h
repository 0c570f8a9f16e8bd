#pragma once
// The file system as a FileSink: each file is written to a temporary file
// beside its name and renamed over it by Commit.

namespace publish {

class FileSink;

FileSink& DiskFiles();

}  // namespace publish
