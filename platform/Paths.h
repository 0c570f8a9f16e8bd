#pragma once
// Path helpers. "/" is the separator wherever Windows paths used "\";
// folder values keep their trailing separator.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr char PathSeparator = '/';

// The path with one trailing separator added when it is not empty and lacks one.
std::string IncludeTrailingSeparator(std::string_view path);

// folder + name with exactly one separator between them (folder may be empty).
std::string JoinPath(std::string_view folder, std::string_view name);

// "file://" + absolute path (so "file:///home/..."), then the fragment as given
// ("#v3"). The path is not encoded: this is the address the program compares
// and sends to its browsers, which take the path as it stands (Browser.h).
std::string FileAddress(std::string_view absolutePath, std::string_view fragment = {});

// The file's URL as a page refers to it: "file://" + absolute path with every
// byte but letters, digits, "/", "-", ".", "_" and "~" percent-encoded, so
// that "#", "%", "?" and blanks in folder names stay part of the path.
std::string FileUrl(std::string_view absolutePath);

// The part after the last separator, and the part up to and including it.
std::string ExtractFileName(std::string_view path);
std::string ExtractFilePath(std::string_view path);
// Whether the file name (the part after the last separator) holds a dot.
bool HasFileExtension(std::string_view path);

// The folders of a colon-separated list such as PATH or XDG_CONFIG_DIRS, in
// order, empty entries kept.
std::vector<std::string> FolderList(std::string_view list);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(std::string_view path);

}  // namespace platform
