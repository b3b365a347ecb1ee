#!/usr/bin/env bash
# One scenario of each window under valgrind memcheck, run by the scenario harness as usual: each must give its
# expected transcript and files, and memcheck must find no error and no leak. KEDRAVO_SCRIPT is a kedravo-script
# built without the sanitizers, which valgrind cannot run beside.
#
# usage: memcheck-scenarios.sh KEDRAVO_SCRIPT
set -uo pipefail

program=$(realpath "$1")
scenarios=$(cd "$(dirname "$0")/../scenarios" && pwd)
driver=$(mktemp "${TMPDIR:-/tmp}/kedravo-memcheck.XXXXXX") || exit 2
trap 'rm -f "$driver"' EXIT
cat >"$driver" <<END
#!/usr/bin/env bash
exec valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect "$program" "\$@"
END
chmod +x "$driver"

failed=0
# The main window, then FORM2 to FORM6.
for case in side_and_filter:data_folder update_rise:trading past_register:trading page_time_frames:one_page \
            deletion:one_page shift:one_page; do
    name=${case%%:*} setup=$scenarios/setups/${case#*:}
    if bash "$scenarios/run-scenario.sh" "$driver" headless "$scenarios" "$name" "$setup"; then
        echo "memcheck clean: $name"
    else
        failed=1
    fi
done
exit $failed
