#pragma once

#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Printers.h"

namespace vantor {

// What the owner keeps away from the till to bring its data back on another
// computer: where the backups go, and the off-site repository's password,
// without which that copy cannot be restored.
struct BackupSheet {
    std::string shop;
    std::vector<std::string> folders;
    std::string repository;
    std::string password;
    DateTime printed;
};

// The sheet's lines, as printed.
std::vector<std::string> BackupSheetLines(const BackupSheet& sheet);
// The text of its QR code: the repository and its password, one a line.
std::string BackupSheetCode(const BackupSheet& sheet);

// Prints the sheet on the current printer, its QR code under it when there is
// a repository. Throws PrintError.
void PrintBackupSheet(Printers& printers, const BackupSheet& sheet);

}  // namespace vantor
