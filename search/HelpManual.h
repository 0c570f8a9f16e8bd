#pragma once
// The Help menu's two answers: the user's manual, opened through the shell
// from the installation folder or else from the web, and the note on where
// the complete installation is to be had.

#include <string>
#include <string_view>

namespace search {

inline constexpr char ManualFileName[] = "Ixo-2007.pdf";
// The program's web site, and the manual's address on it.
inline constexpr char WebAddress[] = "https://www.ixobible.example";
inline constexpr char ManualWebPath[] = "/2007/Ixo-2007.pdf";

// "A complete installation of the Ixo bible is available on the web at " and the address.
std::string CompleteInstallationText();

// Hands the manual of the installation folder to the shell with the verb
// "OPEN". The installation always holds it; when it is missing all the same,
// an information message says the installation is incomplete and the web
// copy is opened instead. A shell that fails is reported in a warning.
void OpenManual(std::string_view installDir);

}  // namespace search
