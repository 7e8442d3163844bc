#include "canopen/pdo_builder.h"

#include <algorithm>
#include <string>

#include "config/numbers.h"
#include "config/object_kinds.h"

namespace q4410 {

namespace {

// One direction of the mapping: the table and the fields it fills.
struct Direction {
  std::vector<PdoRecord>& table;
  int closed;
  bool write;  // the direction of the "Write" kinds (Rx) or of the "Read" kinds (Tx)
  int& digitalBytes;
  int& analogBytes;
  int& next;
  int& last;
};

// Whether a slot holds an object: it lies below AppObjectCount (freed slots past it hold
// "0") and has an address text. An object read from a module may have address 0; the
// connect counts its bytes, so it takes part like any other.
bool InUse(const ParaDef& rec, int slot) {
  int used = std::clamp(rec.AppObjectCount, 0, static_cast<int>(rec.AppObjects.size()));
  return slot < used && !rec.AppObjects[slot].DevAddr.empty();
}

// The kind of the object in `slot` when it takes part in the pass over `dir` for digital or
// analog data; null otherwise. A kind code outside the table has no place in any PDO.
const KindTraits* Taking(const ParaDef& rec, int slot, const Direction& dir, bool digital) {
  const KindTraits* kind = KindOf(rec.AppObjects[slot].Kind);
  if (!kind || !InUse(rec, slot) || kind->write != dir.write || kind->digital != digital)
    return nullptr;
  return kind;
}

// The start of every mapping text of an object: "0x1A- DO:".
std::string Head(const ParaDef& rec, int slot, const KindTraits& kind) {
  return "0x" + Hex(DevAddrNumber(rec.AppObjects[slot])) + "- " + std::string(kind.label) + ":";
}

// The length as the module stores it: a 16-bit count. Larger values never come from the
// editor or the module; capping them keeps every counter and PDO number within range.
long long StoredLength(const AppObject& object) {
  return std::min(object.Length, 32767);
}

// Position in the table while laying out; writes past PDO 512 are dropped so that no
// object, however long, can run off the table.
struct Cursor {
  std::vector<PdoRecord>& table;
  int cur = 0;
  int pos = 0;
  bool Full() const { return cur >= static_cast<int>(table.size()); }
  void Put(const std::string& text) {
    if (!Full()) table[cur].Mapping[pos] = text;
  }
  void SetAnalog(int isAnalog) {
    if (!Full()) table[cur].IsAnalog = isAnalog;
  }
  void FillRest() {
    if (Full()) return;
    for (int i = pos; i < 8; ++i) table[cur].Mapping[i] = kPdoFiller;
  }
  void FillWhole(int pdo) {
    if (pdo < static_cast<int>(table.size())) table[pdo].Mapping.fill(kPdoFiller);
  }
};

void DigitalPass(const ParaDef& rec, Direction& dir, Cursor& c) {
  long long bytes = 0;
  for (int slot = 0; slot < static_cast<int>(rec.AppObjects.size()); ++slot) {
    const KindTraits* kind = Taking(rec, slot, dir, true);
    if (!kind) continue;
    const AppObject& object = rec.AppObjects[slot];
    long long length = StoredLength(object);
    long long n = DataUnits(*kind, length);
    if (n <= 0) continue;
    bytes += n;
    const std::string head = Head(rec, slot, *kind);
    for (long long k = 1; k <= n && !c.Full(); ++k) {
      long long first = object.Start + 8 * (k - 1);
      long long last =
          k < n ? object.Start + 8 * k - 1 : static_cast<long long>(object.Start) + length - 1;
      c.Put(head + Format0000(first) + "~" + Format0000(last));
      c.SetAnalog(0);
      if (++c.pos > 7) {
        c.pos = 0;
        if (++c.cur == 1) c.cur = 4;
      }
    }
  }
  dir.digitalBytes = static_cast<int>(bytes);
}

void AnalogPass(const ParaDef& rec, Direction& dir, Cursor& c) {
  long long bytes = 0;
  for (int slot = 0; slot < static_cast<int>(rec.AppObjects.size()); ++slot) {
    const KindTraits* kind = Taking(rec, slot, dir, false);
    const AppObject& object = rec.AppObjects[slot];
    long long length = StoredLength(object);
    if (!kind || length <= 0) continue;
    bytes += 2 * length;
    const std::string head = Head(rec, slot, *kind);
    for (long long k = 0; k < length && !c.Full(); ++k) {
      std::string text = head + Decimal(object.Start + k);
      c.Put(text);
      ++c.pos;
      c.Put(text);
      ++c.pos;
      c.SetAnalog(1);
      if (c.pos > 7) {
        c.pos = 0;
        if (++c.cur == 4) c.cur = dir.next;
      }
    }
  }
  dir.analogBytes = static_cast<int>(bytes);
}

void BuildDirection(const ParaDef& rec, Direction dir) {
  Cursor c{dir.table};
  DigitalPass(rec, dir, c);
  dir.next = c.cur == 0 ? 4 : c.cur + 1;
  if (c.pos != 0) c.FillRest();
  if (dir.closed == 1)
    c.cur = (c.cur == 0 && c.pos == 0) ? 0 : 1;
  else
    c.cur = 1;

  c.pos = 0;
  AnalogPass(rec, dir, c);

  const int maxPdo = static_cast<int>(dir.table.size()) - 1;
  if (c.pos == 0 && c.cur >= 4) {
    dir.last = c.cur - 1;
  } else if (c.pos == 0) {
    for (int p = c.cur; p <= 3; ++p) c.FillWhole(p);
    dir.last = 3;
  } else if (c.cur >= 4) {
    c.FillRest();
    dir.last = c.cur;
  } else {
    c.FillRest();
    for (int p = c.cur + 1; p <= 3; ++p) c.FillWhole(p);
    dir.last = dir.next == 4 ? 3 : dir.next - 1;
  }
  dir.last = std::min(dir.last, maxPdo);
}

}  // namespace

void BuildPdoMapping(ParaDef& rec) {
  rec.RxPdoNext = rec.TxPdoNext = 0;
  rec.RxPdoLast = rec.TxPdoLast = 0;
  rec.RxDigitalBytes = rec.RxAnalogBytes = rec.TxDigitalBytes = rec.TxAnalogBytes = 0;
  // A table that someone shrank would otherwise be indexed past its end.
  if (rec.RxPdoTable.size() < kPdoCount) rec.RxPdoTable.resize(kPdoCount);
  if (rec.TxPdoTable.size() < kPdoCount) rec.TxPdoTable.resize(kPdoCount);

  BuildDirection(rec, {rec.RxPdoTable, rec.RxPdoClosed, true, rec.RxDigitalBytes, rec.RxAnalogBytes,
                       rec.RxPdoNext, rec.RxPdoLast});
  BuildDirection(rec, {rec.TxPdoTable, rec.TxPdoClosed, false, rec.TxDigitalBytes,
                       rec.TxAnalogBytes, rec.TxPdoNext, rec.TxPdoLast});
}

}  // namespace q4410
