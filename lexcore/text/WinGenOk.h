// Locale services over the platform layer: code pages of a locale, locale-sensitive case mapping, the
// character-class array and the language sets.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_formatsettings.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// The locale's default ANSI code page; the process code page when the locale does not say.
uint32_t CodePageFromLocale(LCID lcid);
// The same value, 0 when the locale does not say.
uint32_t WindowsCodepageFromLCID(LCID lcid);
// The locale's OEM (DOS) code page, 0 when the locale does not say.
uint32_t DOSCodepageFromLCID(LCID lcid);

// Case mapping by the rules of the locale (Turkish dotted and dotless i included).
UnicodeString Lowercase(LCID lcid, const UnicodeString& s);
UnicodeString Uppercase(LCID lcid, const UnicodeString& s);
// In place on a zero-terminated 16-bit buffer.
void LowercaseIt(LCID lcid, WideChar* buffer);
void UppercaseIt(LCID lcid, WideChar* buffer);
// In place on a zero-terminated 8-bit (code page of the locale) or 16-bit buffer. Capitalise upper-cases the
// whole buffer, as WinUpperCased does.
void WinLowerCased(LCID lcid, void* buffer, bool isWide);
void WinUpperCased(LCID lcid, void* buffer, bool isWide);
void Capitalise(LCID lcid, void* buffer, bool isWide);

// Fills length flag words of classArray from the 8-bit or 16-bit buffer; true when the platform call
// succeeded. The two spare words after them are left alone.
bool GetStringTypeExNT2000(bool isWide, LCID lcid, uint32_t infoType, uint16_t* classArray, int length,
                           const void* buffer);

// By primary language (the low 10 bits of an LCID).
bool LanguageHasCombiningCharacters(LCID lcid);
bool LanguageRequiresUnicode(LCID lcid);

// ---- General routines for the tools: files, folders, yes/no texts and numbers.

extern const UnicodeString HexSignalStr;      // "Xx$Hh": what marks a hexadecimal number
extern const UnicodeString HexCharactersStr;  // "0123456789ABCDEFabcdef"

LX_DECLARE_RESOURCESTRING(_LXOverwriteXQ)
LX_DECLARE_RESOURCESTRING(_LXOverwriteXWithBackupQ)
LX_DECLARE_RESOURCESTRING(_LXTrue)
LX_DECLARE_RESOURCESTRING(_LXFalse)
LX_DECLARE_RESOURCESTRING(_LXLittleDiskSpaceQ)

// The counter that makes file names unique; never below 0.
void SetBatchFileStartNumberTo(int32_t n);
int32_t GetBatchFileStartNumber();

// True when the file does not exist; otherwise the user is asked (the default answer is No).
bool OKToOverwrite(const UnicodeString& fileName);
// The same question; on Yes the file is first copied to the name with the extension ".bak".
bool OKToOverwriteWithBackup(const UnicodeString& fileName);
// A "." is added to a name without one; while a file of the name exists, "_" and the next batch-file number
// (at least 3 digits) go before the extension: report.txt, report_001.txt, report_001_002.txt. Returns true.
bool ForcedToBeNewFile(UnicodeString& fileName);
bool FileNameHasWildCards(std::u16string_view name);
UnicodeString BooleanToStr(bool b);
// True exactly when s is the text of _LXTrue, case ignored.
bool StrToBoolean(std::u16string_view s);
// One letter a set attribute, in the order r a s h d.
constexpr uint32_t faReadOnly = 0x01, faHidden = 0x02, faSysFile = 0x04, faDirectory = 0x10, faArchive = 0x20;
UnicodeString AttributesToStr(uint32_t attributes);
bool sIsADirectory(const UnicodeString& path);
// Longer than 3 characters: the full form without a trailing separator; shorter ones unchanged.
UnicodeString NormalisedPath(const UnicodeString& path);
// The same into a zero-filled buffer of 260 characters (cut to 259).
void NormalisedPathW(const UnicodeString& path, WideChar (&buffer)[260]);
// Drive letters name nothing on this system (a drive is a mounted file system): every letter answers false.
bool ValidDrive(char letter);
bool ValidDriveW(WideChar letter);
// The file system holding root is a local disk (not a network, memory or removable one).
bool Fixed_Drive(const UnicodeString& root);
// True when the file system of path has bytesNeeded free; otherwise the user is told the free megabytes and
// asked whether to go on (the default answer is No). False for an empty path.
bool ProceedIfLittleDiskSpace(const UnicodeString& path, int64_t bytesNeeded);
// Thousands separators, no decimals; "*" when formatting fails.
UnicodeString IntToDecStr(int64_t n);
UnicodeString IntToDecStr(int64_t n, const TFormatSettings& settings);
UnicodeString RealToDecStr(long double x, const TFormatSettings& settings);
// The time-of-day part of now - t (or of t) in seconds, rounded: whole days are not counted.
int32_t SecondsElapsedSince(TDateTime t);
int32_t TodaysTimeInSeconds(TDateTime t);
// The last-write time of the running program's file; 0 when it cannot be read.
TDateTime Compilation_DateTime();
UnicodeString Compilation_Date();
UnicodeString Compilation_Year();
// False when the locale measures in U.S. units, true for metric.
bool UserDefaultMeasurements(LCID lcid);
// The system's text for the calling thread's last error.
UnicodeString GetLastErrorString();
// Every subfolder, recursively, in name order, without names starting with "." (hidden on this system). Names
// keep their case: on this file system a lower-cased name may be another folder or none.
std::vector<UnicodeString> ListOfSubFolders(const UnicodeString& folder);
// Each "&" doubled, so a menu or label shows it; "&&" already doubled is doubled again.
UnicodeString DoubleAnyAmpersands(std::u16string_view s);
// The first c among n characters, or null.
const WideChar* StrLScanW(const WideChar* buffer, WideChar c, std::size_t n);

}  // namespace lx
