#pragma once

// A reader for Palm databases and PalmDOC texts written for the tests from the format's rules,
// sharing nothing with the converter: it parses the bytes field by field and checks every
// offset, so a fault in the writer's layout shows up here instead of being mirrored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb::test {

struct PdbRecordInfo {
  std::uint32_t offset = 0;
  std::uint8_t attributes = 0;
  std::uint32_t unique_id = 0;  // 24 bits
};

struct PdbFile {
  std::string name_field;  // all 32 bytes
  std::string name;        // up to the first NUL
  std::uint16_t attributes = 0;
  std::uint16_t version = 0;
  std::uint32_t creation_date = 0;
  std::uint32_t modification_date = 0;
  std::uint32_t backup_date = 0;
  std::uint32_t modification_number = 0;
  std::uint32_t app_info_id = 0;
  std::uint32_t sort_info_id = 0;
  std::string type;
  std::string creator;
  std::uint32_t unique_id_seed = 0;
  std::uint32_t next_record_list_id = 0;
  std::uint16_t record_count = 0;
  std::vector<PdbRecordInfo> entries;
  std::string filler;                // the bytes between the record list and record 0
  std::vector<std::string> records;  // the bytes of each record, from its offset to the next
};

// Parses a whole database file; `error` tells what is wrong with a malformed one.
std::optional<PdbFile> ParsePdb(std::string_view file, std::string* error);

struct DocInfo {
  std::uint16_t version = 0;
  std::uint16_t spare = 0;
  std::uint32_t text_length = 0;
  std::uint16_t record_count = 0;
  std::uint16_t record_size = 0;
  std::uint32_t current_position = 0;
};

// Record 0 of a DOC database; nullopt unless it is exactly 16 bytes.
std::optional<DocInfo> ParseDocInfo(std::string_view record0);

struct DecodeStats {
  int pairs = 0;  // back references
  int max_distance = 0;
};

// Expands one PalmDOC-compressed record; nullopt for a truncated code or a back reference
// that reaches before the start of the record.
std::optional<std::string> DecompressRecord(std::string_view data, DecodeStats* stats = nullptr);

// Reads the file as a DOC database and returns its text, decompressing every text record;
// checks record 0 against the text records and fills `error` on any mismatch.
std::optional<std::string> ReadDocText(std::string_view file, std::string* error);

}  // namespace qb::test
