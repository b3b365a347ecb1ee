# Reads the CSV files of bench/run-all and prints each figure's median beside its target.
function judge(value, target) { return value <= target ? "met" : "MISSED" }
function ms(value, unit) { return unit == "us" ? value / 1000 : unit == "ns" ? value / 1e6 : value }

/^name,/ {
    for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); column[$i] = i }
    next
}
!/_median",/ { next }
{
    name = $1
    gsub(/"/, "", name)
    sub(/_median$/, "", name)
    sub(/\/iterations:.*/, "", name)
    wall[name] = ms($(column["real_time"]), $(column["time_unit"]))
    cpu[name] = ms($(column["cpu_time"]), $(column["time_unit"]))
    if (name ~ /Against/) {
        wallRatio[name] = $(column["wall_ratio"])
        cpuRatio[name] = $(column["cpu_ratio"])
        floor[name] = $(column["floor_ms"])
        peak[name] = $(column["peak_kB"])
        extra[name] = $(column["extra_kB"])
    }
    if (name ~ /\/(headless|qt)$/)
        handlers[++count] = name
}
END {
    printf "\nHandlers at full load: CPU time (wall time), ms\n"
    for (i = 1; i <= count; i++) {
        h = handlers[i]
        target = h ~ /\/qt$/ ? 8 : 1
        printf "  %-22s %8.3f (%8.3f)   target <= %d ms   %s\n", h, cpu[h], wall[h], target, judge(cpu[h], target)
    }
    printf "\nChanges with their save on Qt, beside the bare refresh (LISTSET_SUB): wall time, ms\n"
    for (i = 1; i <= count; i++) {
        h = handlers[i]
        if (h ~ /^(BUTTON3_ON|BUTTON6_ON|BUTTON12_ON|UNDO_ON|LISTSET_SUB)\/qt$/)
            printf "  %-22s %8.3f   target <= 16 ms   %s\n", h, wall[h], judge(wall[h], 16)
    }
    s = "BM_StartupAgainstEmptyWindow"
    printf "\nStart-up to the first shown main window, against the empty window (%.0f ms):\n", floor[s]
    printf "  %.0f ms, wall ratio %.2f (CPU ratio %.2f)   target <= 1.4   %s\n", wall[s], wallRatio[s], cpuRatio[s],
        judge(wallRatio[s], 1.4)
    printf "\nShut-down save with verification against writing and flushing the same bytes:\n"
    ratio = wall["BM_SaveTenFullPages"] / wall["BM_WriteAndFlushTheSameBytes"]
    printf "  %.2f ms against %.2f ms, ratio %.2f   target <= 3   %s\n", wall["BM_SaveTenFullPages"],
        wall["BM_WriteAndFlushTheSameBytes"], ratio, judge(ratio, 3)
    w = "BM_WholeRunAgainstEmptyWindow"
    printf "\nPeak memory of the whole run at full load against the empty window:\n"
    printf "  %.1f MB, %.1f MB more than the empty window   target <= 10 MB more   %s\n", peak[w] / 1024,
        extra[w] / 1024, judge(extra[w] / 1024, 10)
    printf "  (start-up alone: %.1f MB, %.1f MB more)\n", peak[s] / 1024, extra[s] / 1024
    t = "BM_TextWindowAgainstEmptyWindow"
    printf "\nCalibration, the empty window with one line in each of the two Japanese faces:\n"
    printf "  start-up wall ratio %.2f (CPU ratio %.2f), %.1f MB more than the empty window\n", wallRatio[t],
        cpuRatio[t], extra[t] / 1024
}
