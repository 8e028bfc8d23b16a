#include "tools/check/check_store.h"

#include <vector>

#include "tools/check/sqlite_db.h"
#include "tools/sponsor/contest_period.h"

namespace aadx {
namespace check {

const char kCheckSchema[] = R"sql(
CREATE TABLE logs (
  id INTEGER PRIMARY KEY,    -- the file's place in the folder, by name
  file TEXT NOT NULL,        -- the file's name
  call TEXT NOT NULL,
  status TEXT NOT NULL,      -- checked, set-aside, replaced, bad
  note TEXT NOT NULL,        -- why not checked
  clock_offset INTEGER NOT NULL  -- seconds the log's clock is ahead
);
CREATE TABLE qsos (
  log_id INTEGER NOT NULL REFERENCES logs(id),
  line INTEGER NOT NULL,     -- 1-based line in the file
  time TEXT NOT NULL,        -- UTC as logged, "2025-06-21 0102"
  band TEXT NOT NULL,
  mode TEXT NOT NULL,
  call TEXT NOT NULL,        -- as logged
  exch_sent TEXT NOT NULL,
  exch_rcvd TEXT NOT NULL,
  verdict TEXT NOT NULL,     -- ok, dupe, busted-call, busted-exchange,
                             -- not-in-log, unique, unchecked
  correct_call TEXT NOT NULL,   -- busted-call: the right call
  sent_exchange TEXT NOT NULL,  -- busted-exchange: what was sent
  reason TEXT NOT NULL,      -- the sponsor's reasons, '+' between
  points INTEGER NOT NULL,   -- in the checked score
  PRIMARY KEY (log_id, line)
);
CREATE TABLE matches (
  log_id INTEGER NOT NULL,
  line INTEGER NOT NULL,
  other_log_id INTEGER NOT NULL,  -- the other station's line of this QSO
  other_line INTEGER NOT NULL
);
CREATE TABLE scores (
  log_id INTEGER PRIMARY KEY REFERENCES logs(id),
  category TEXT NOT NULL,    -- JARL's code, '' when the log names none
  ranked INTEGER NOT NULL,   -- 0 for a check log
  claimed_qsos INTEGER NOT NULL,
  claimed_points INTEGER NOT NULL,
  claimed_multipliers INTEGER NOT NULL,
  claimed_score INTEGER NOT NULL,
  checked_qsos INTEGER NOT NULL,
  checked_points INTEGER NOT NULL,
  checked_multipliers INTEGER NOT NULL,
  penalty_points INTEGER NOT NULL,
  checked_score INTEGER NOT NULL
);
)sql";

namespace {

bool Fail(const Database& db, std::string* error) {
  *error = db.error();
  return false;
}

}  // namespace

bool WriteCheckDatabase(const std::string& path, const ContestLogs& contest,
                        const ContestScores& scores, std::string* error) {
  Database db;
  if (!db.Open(path)) return Fail(db, error);
  // The tables are made anew on every run, so a run cut short needs no
  // journal on disk to recover from: the next run writes them again.
  if (!db.Exec("PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;"))
    return Fail(db, error);
  if (!db.Exec("DROP TABLE IF EXISTS matches; DROP TABLE IF EXISTS qsos;"
               "DROP TABLE IF EXISTS scores; DROP TABLE IF EXISTS logs;") ||
      !db.Exec(kCheckSchema))
    return Fail(db, error);

  Transaction transaction(&db);
  Statement logRow, qsoRow, matchRow, scoreRow;
  if (!db.Prepare("INSERT INTO logs VALUES (?,?,?,?,?,?)", &logRow) ||
      !db.Prepare("INSERT INTO qsos VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                  &qsoRow) ||
      !db.Prepare("INSERT INTO matches VALUES (?,?,?,?)", &matchRow) ||
      !db.Prepare("INSERT INTO scores VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
                  &scoreRow))
    return Fail(db, error);

  std::vector<const LogScore*> scoreOf(contest.logs.size(), nullptr);
  for (const LogScore& s : scores.logs) scoreOf[s.log] = &s;
  for (size_t i = 0; i < contest.logs.size(); ++i) {
    const EntryLog& log = contest.logs[i];
    const int64_t id = static_cast<int64_t>(i);
    logRow.Bind(1, id).Bind(2, log.file).Bind(3, log.call);
    logRow.Bind(4, std::string(LogStatusName(log.status))).Bind(5, log.note);
    logRow.Bind(6, log.clockOffset);
    logRow.Step();
    logRow.Reset();
    const LogScore* s = scoreOf[i];
    if (!s) continue;
    for (size_t q = 0; q < log.qsos.size(); ++q) {
      const Qso& qso = log.qsos[q];
      qsoRow.Bind(1, id).Bind(2, int64_t{qso.line});
      qsoRow.Bind(3, sponsor::FormatUtc(qso.time)).Bind(4, qso.band);
      qsoRow.Bind(5, qso.mode).Bind(6, qso.call).Bind(7, qso.exchSent);
      qsoRow.Bind(8, qso.exchRcvd).Bind(9, std::string(CheckName(qso.check)));
      qsoRow.Bind(10, qso.correctCall).Bind(11, qso.sentExchange);
      qsoRow.Bind(12, s->reasons[q]).Bind(13, int64_t{s->points[q]});
      qsoRow.Step();
      qsoRow.Reset();
      if (qso.otherLog < 0) continue;
      const int otherLine = contest.logs[qso.otherLog].qsos[qso.otherQso].line;
      matchRow.Bind(1, id).Bind(2, int64_t{qso.line});
      matchRow.Bind(3, int64_t{qso.otherLog}).Bind(4, int64_t{otherLine});
      matchRow.Step();
      matchRow.Reset();
    }
    scoreRow.Bind(1, id).Bind(2, s->category).Bind(3, int64_t{s->ranked});
    scoreRow.Bind(4, int64_t{s->claimed.total.qsos});
    scoreRow.Bind(5, int64_t{s->claimed.total.points});
    scoreRow.Bind(6, int64_t{s->claimed.total.multipliers});
    scoreRow.Bind(7, s->claimed.score);
    scoreRow.Bind(8, int64_t{s->checked.total.qsos});
    scoreRow.Bind(9, int64_t{s->checked.total.points});
    scoreRow.Bind(10, int64_t{s->checked.total.multipliers});
    scoreRow.Bind(11, s->penaltyPoints).Bind(12, s->finalScore);
    scoreRow.Step();
    scoreRow.Reset();
  }
  if (!logRow.ok() || !qsoRow.ok() || !matchRow.ok() || !scoreRow.ok() ||
      !transaction.Commit())
    return Fail(db, error);
  return true;
}

}  // namespace check
}  // namespace aadx
