// Editing the working table of application objects (ParaDef::AppObjects): loading it from the
// table read at connect, adding, updating and deleting objects with the editor's checks and
// messages. The editor window and `q4410ctl write` both go through these functions, so a file
// is refused with exactly the message the window would show.
#pragma once

#include <string>
#include <vector>

#include "config/para_def.h"

namespace q4410 {

// One message box to show: text, title, OK button.
struct TableMessage {
  std::string text;
  std::string title;
  bool operator==(const TableMessage&) const = default;
};

// What an action did: `ok` when the table changed, and the messages to show, in order.
struct TableResult {
  bool ok = false;
  std::vector<TableMessage> messages;
};

// The editor's entry fields: the three texts as typed and the position chosen in the kind list.
struct AppObjectFields {
  std::string devAddr;  // "ModBus Device NodeID"
  int kind = 0;         // 0..5, see kKinds
  std::string start;    // first relay or register
  std::string length;   // number of relays or registers
};

// Editor load: a fresh table of ten empty slots, then the objects read from the module copied
// in (AppObjectCount follows).
void LoadAppObjectTable(ParaDef& rec);

// Editor unload: the working table and every edit made in it are dropped.
void DiscardAppObjectTable(ParaDef& rec);

// Checks the fields (only the first failing check is reported) and stores them into `slot`.
// The address is stored as decimal text without leading zeros; start and length are rounded.
TableResult ApplicationObj(ParaDef& rec, int slot, const AppObjectFields& fields);

// "ADD": refuses an eleventh object before looking at the fields, otherwise stores the fields
// into the first free slot and counts it.
TableResult AddAppObject(ParaDef& rec, const AppObjectFields& fields);

// "UPDATA": replaces `slot` and confirms with "Success!!!", or reports the failing check
// followed by "Failure!!!"; the slot is then unchanged.
TableResult UpdateAppObject(ParaDef& rec, int slot, const AppObjectFields& fields);

// "Delete": removes `slot`, moving the objects after it up one slot; the freed last slot is
// emptied. Does nothing (ok false) when `slot` is not in use.
TableResult DeleteAppObject(ParaDef& rec, int slot);

// The editor's "Next": a non-empty table counts as edited, so the download writes it.
void MarkTableForDownload(ParaDef& rec);

}  // namespace q4410
