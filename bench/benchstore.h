#pragma once

#include "app/session.h"
#include "db/database.h"

#include <functional>

namespace qv::bench {

// The generated store every case runs against, opened once by the benchmark program.
struct BenchStore {
    Database db;
    Session session; // the administrator, on the store's last business date
};
BenchStore &store();

// Work a case file needs done once before any case runs (sampling the store), kept out of
// the timings and out of the statement trace. Call from a namespace-scope initialiser.
int addSetup(std::function<void()> setup);

} // namespace qv::bench
