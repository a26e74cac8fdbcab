// Lists handed from one process to another through a named shared-memory section.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// A named section of shared memory. Offsets count from the start of the section; its first 4 bytes hold the
// data size, and the section is 4 bytes longer than that. Two processes that open the same name see the same
// bytes; nothing locks the section. The object that created a section removes its name when it closes, so
// a section lives while its creator holds it (a reader that has it mapped keeps its view).
class TMemoryMapFile : public TObject {
 public:
  // Opens the section of this name, or creates one of size data bytes when there is none (an existing
  // section keeps its own size). A section that cannot be opened leaves the size 0.
  TMemoryMapFile(const UnicodeString& name, int32_t size);
  ~TMemoryMapFile() override;
  TMemoryMapFile(const TMemoryMapFile&) = delete;
  TMemoryMapFile& operator=(const TMemoryMapFile&) = delete;

  // Gives the section room for size data bytes and makes that its data size.
  void Remap(int32_t size);
  void Close();
  // The address of a byte of the section; nullptr outside the mapped bytes.
  uint8_t* ConvertPointer(int32_t offset) const;
  // A 32-bit value at offset; false / 0 when it does not lie wholly within the mapped bytes.
  bool SetMemL(int32_t offset, int32_t value);
  int32_t GetMemL(int32_t offset) const;
  // Whether an access at offset lies within the data (mapped memory needs no committing here).
  bool HandleException(const void* address, int32_t offset) const;

  const UnicodeString& Name() const { return fName; }
  // The name the system knows the section by.
  const std::string& PosixName() const { return fPosixName; }
  int32_t Size() const { return fSize; }
  uint8_t* BaseAddress() const { return fBase; }

 protected:
  void Setup(int32_t size);

  UnicodeString fName;
  std::string fPosixName;
  int32_t fSize = 0;    // data size, as the section's first 4 bytes say
  int64_t fMapped = 0;  // bytes mapped (the whole section)
  uint8_t* fBase = nullptr;
  int fHandle = -1;
  bool fCreated = false;  // this object made the section and removes its name on closing
};

// A section named "wordbuf_compartilhar" + name, read and written at a moving position.
class TFlexibleSizeMap : public TMemoryMapFile {
 public:
  TFlexibleSizeMap(const UnicodeString& name, int32_t size);

  // Sets up the section again with size data bytes when its data size differs.
  void Checksize(int32_t size);
  uint8_t* PositionPtr() const { return ConvertPointer(fPosition); }
  // Copies up to count bytes from position, never beyond the data; returns the bytes copied.
  int32_t ReadFromMemmap(void* buffer, int32_t position, int32_t count);
  // Copies count bytes to position; false (nothing written) when they would not lie within the data.
  bool WriteToMemmap(const void* buffer, int32_t position, int32_t count);

  int32_t Position() const { return fPosition; }
  void SetPosition(int32_t position) { fPosition = position; }

 private:
  int32_t fPosition = 0;
};

// A list that copies its items into a shared section and loads them back. The section holds the total size
// (4 + every item's 4-byte length and data), then each item as its positive 32-bit data length and its data;
// the reader checks every length against the section before the item is read. Subclasses own their items and
// say how one is sized, written and read.
class TMyStreamMemList : public TList {
 public:
  explicit TMyStreamMemList(const UnicodeString& name);
  ~TMyStreamMemList() override;

  bool CopyToMemmap();
  // Copies, then empties the list: the items then live only in the section.
  bool MoveToMemmap();
  bool LoadFromMemmap();

  bool ItemsInMemmapOnly() const { return fInMemmapOnly; }
  TFlexibleSizeMap& Map() { return *fMap; }

 protected:
  // Bytes of the item's data in the section (more than 0).
  virtual int32_t ItemMemSize(void* item) = 0;
  // Writes the item's data at the map's position; false on failure.
  virtual bool WriteItemToMemmap(void* item, TFlexibleSizeMap& map) = 0;
  // Reads one item of length bytes at the map's position and adds it to the list; returns the bytes used
  // (0 or less: the item could not be read).
  virtual int32_t ReadItemFromMemmap(TFlexibleSizeMap& map, int32_t length) = 0;

 private:
  std::unique_ptr<TFlexibleSizeMap> fMap;
  bool fInMemmapOnly = false;
};

}  // namespace lx
