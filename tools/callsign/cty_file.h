// A country file in the widespread cty.dat format: DXCC entities with their
// CQ and ITU zones, continent and primary prefix, each followed by the
// prefixes and exact calls ("=CALL") that belong to it. Resolves a callsign
// to its entity and continent for contacts whose log does not say.
#ifndef AADX_TOOLS_CALLSIGN_CTY_FILE_H_
#define AADX_TOOLS_CALLSIGN_CTY_FILE_H_

#include <string>
#include <unordered_map>
#include <vector>

namespace aadx {
namespace callsign {

struct CtyResolution {
  std::string dxcc;        // primary prefix of the DXCC entity, e.g. "JA"
  std::string dxccName;    // that entity's name, e.g. "Japan"
  std::string entityName;  // the entry that matched, e.g. "Sicily"
  std::string continent;   // e.g. "AS", after any override in the entry
  int cqZone = 0;
  int ituZone = 0;
};

class CtyFile {
 public:
  // Parses the text of a country file. On failure returns false and sets
  // `error` to a message naming the line.
  bool Parse(const std::string& text, std::string* error);

  // Reads and parses the file at `path`.
  bool Load(const std::string& path, std::string* error);

  // Resolves `call`: an exact-call entry first, then the longest prefix
  // entry of the call (or of its portable designator). Entities that count
  // only for WAE (starred in the file) report the DXCC entity they belong
  // to. Returns false when nothing matches or the station is maritime
  // mobile.
  bool Resolve(const std::string& call, CtyResolution* out) const;

  size_t entityCount() const { return entities_.size(); }

 private:
  struct Entity {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    std::string primaryPrefix;
    bool waeOnly = false;
    size_t dxccEntity = 0;  // itself, or the entity a WAE entry folds into
  };
  struct Alias {
    size_t entity = 0;
    int cqZone = 0;  // 0: the entity's own
    int ituZone = 0;
    std::string continent;  // empty: the entity's own
  };

  bool ParseAliases(const std::string& list, size_t entity, int line,
                    std::string* error);
  void FoldWaeEntities();
  const Alias* LongestPrefix(const std::string& key, bool dxccOnly) const;
  void Fill(const Alias& alias, CtyResolution* out) const;

  std::vector<Entity> entities_;
  std::unordered_map<std::string, Alias> prefixes_;
  std::unordered_map<std::string, Alias> exactCalls_;
  size_t longestPrefix_ = 0;
};

}  // namespace callsign
}  // namespace aadx

#endif  // AADX_TOOLS_CALLSIGN_CTY_FILE_H_
