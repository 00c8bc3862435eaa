// Row updates through the recordset on the working file: the figure that shows the scratch
// database pays no disk sync per row.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>

#include "game/database.h"
#include "game/schema.h"

namespace {

using zenthar::Connection;

struct ShipsFile {
    ShipsFile() {
        path = std::filesystem::temp_directory_path() /
               ("zenthar-bench-db-" + std::to_string(::getpid()) + ".mdb");
        zenthar::CreateTemplateDatabase(path);
        db.setDatabaseName(path);
        db.setRecordSource("Ships");
        db.Refresh();
        Connection::Transaction tx(db);
        for (int i = 0; i < 1000; ++i) {
            db.rs().AddNew();
            db.rs().SetField("PlNum", i % 5);
            db.rs().SetField("TFNum", i);
            db.rs().SetField("StartPl", "01");
            db.rs().SetField("EndPl", "02");
            db.rs().SetField("RemTurns", 4101);
            db.rs().SetField("NumOfShips", 10);
            db.rs().Update();
        }
        tx.commit();
    }
    ~ShipsFile() {
        db.release();
        std::filesystem::remove(path);
    }
    std::filesystem::path path;
    Connection db;
};

void UpdateThousandRowsInOneCommand(benchmark::State& state) {
    ShipsFile f;
    int n = 0;
    for (auto _ : state) {
        f.db.Refresh();
        Connection::Transaction tx(f.db);
        for (f.db.rs().MoveFirst(); !f.db.rs().EOF_(); f.db.rs().MoveNext()) {
            f.db.rs().Edit();
            f.db.rs().SetField("NumOfShips", ++n % 300);
            f.db.rs().Update();
        }
        tx.commit();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(UpdateThousandRowsInOneCommand)->Unit(benchmark::kMillisecond);

void UpdateThousandRowsEachOnItsOwn(benchmark::State& state) {
    ShipsFile f;
    int n = 0;
    for (auto _ : state) {
        f.db.Refresh();
        for (f.db.rs().MoveFirst(); !f.db.rs().EOF_(); f.db.rs().MoveNext()) {
            f.db.rs().Edit();
            f.db.rs().SetField("NumOfShips", ++n % 300);
            f.db.rs().Update();
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(UpdateThousandRowsEachOnItsOwn)->Unit(benchmark::kMillisecond);

}  // namespace
