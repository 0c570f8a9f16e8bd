#pragma once
// The file system as a FileSink: each file is written to a temporary file
// beside its name and renamed over it by Commit; a file that replaces another
// keeps its permissions. Commit does not wait for the disk: a writer whose
// files must outlast a power loss syncs them (platform::SyncFileSystem).

namespace publish {

class FileSink;

FileSink& DiskFiles();

}  // namespace publish
