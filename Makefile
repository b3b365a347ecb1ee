# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RUN_DIR := build/release
SHOTS_DIR := build/shots
SHOTS_BUILD := build/debug
WINDOWS_DIR := build/windows
WINDOWS_SHOTS := build/windows-shots

.PHONY: deps run test package shots windows wine-test windows-shots soak format check bench fuzz clean

deps:
	@scripts/install-deps

run: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEDRAVO_TESTS=OFF -DKEDRAVO_QT=ON
	cmake --build $(RUN_DIR) -j $(JOBS)
	scripts/run-program $(RUN_DIR)

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) wine-test

# The long reliability runs (docs/reliability.md): random use of the whole program over the realistic data set
# and over full pages, for SOAK_SEEDS seeds from SOAK_SEED; start-up from every truncation and every changed
# byte of the data set's three files; SOAK_KILLS kills of kedravo-script while it saves; one scenario of each
# window under valgrind memcheck, on a build without the sanitizers.
SOAK_STEPS ?= 10000
SOAK_FULL_STEPS ?= 2000
SOAK_SEEDS ?= 3
SOAK_SEED ?= 20240506
SOAK_KILLS ?= 500
soak: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target reliability_soak_test reliability_damaged_startup_test \
		reliability_kill_test
	KEDRAVO_SOAK_STEPS=$(SOAK_STEPS) KEDRAVO_SOAK_FULL_STEPS=$(SOAK_FULL_STEPS) KEDRAVO_SOAK_SEEDS=$(SOAK_SEEDS) \
		KEDRAVO_SOAK_SEED=$(SOAK_SEED) $(TEST_DIR)/tests/reliability/reliability_soak_test
	KEDRAVO_DAMAGE_EVERY=1 $(TEST_DIR)/tests/reliability/reliability_damaged_startup_test
	KEDRAVO_KILLS=$(SOAK_KILLS) $(TEST_DIR)/tests/reliability/reliability_kill_test
	cmake -S . -B build/memcheck -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_TESTS=OFF -DKEDRAVO_QT=OFF
	cmake --build build/memcheck -j $(JOBS) --target kedravo-script
	tests/reliability/memcheck-scenarios.sh build/memcheck/tools/kedravo-script/kedravo-script

# The Debian package of the desktop program, built from the same Release tree as `make run`.
package: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEDRAVO_TESTS=OFF -DKEDRAVO_QT=ON
	cmake --build $(RUN_DIR) -j $(JOBS)
	cd $(RUN_DIR) && cpack -G DEB
	@echo "install it with: sudo apt install ./$(RUN_DIR)/$$(cd $(RUN_DIR) && ls kedravo_*.deb)"

# Pictures of the six windows on a page with lines, and at the longest texts their limits allow, through the script
# driver on the Qt backend, offscreen.
SHOTS_SCRIPTS := shots.script shots_longest.script
shots: deps
	cmake -S . -B $(SHOTS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_TESTS=OFF
	cmake --build $(SHOTS_BUILD) -j $(JOBS) --target kedravo-script
	rm -rf $(SHOTS_DIR) && mkdir -p $(SHOTS_DIR)
	for script in $(SHOTS_SCRIPTS); do \
		rm -rf $(SHOTS_DIR)/work && mkdir $(SHOTS_DIR)/work && cp -R tests/scenarios/setups/trading/. $(SHOTS_DIR)/work/ && \
		(cd $(SHOTS_DIR)/work && QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/scenarios/offscreen_screen.json \
			$(CURDIR)/$(SHOTS_BUILD)/tools/kedravo-script/kedravo-script --toolkit qt --shots $(CURDIR)/$(SHOTS_DIR) \
			$(CURDIR)/tests/scenarios/$$script) || exit 1; \
	done
	rm -rf $(SHOTS_DIR)/work
	@ls $(SHOTS_DIR)/*.png

# The Windows programs, cross-built with mingw-w64 (static, no runtime to install), and the zip a trader unpacks:
# kedravo.exe and a read-me in Japanese. GCC 12 at -O3 warns falsely of overlapping copies, hence -O2.
windows: deps
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DKEDRAVO_QT=OFF
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	scripts/windows-package $(WINDOWS_DIR) $(WINDOWS_DIR)/kedravo-windows.zip

# Under Wine: the code page tables, the toolkit contract and the dialogs on the Win32 backend, and every scenario
# on it against the headless transcripts and files.
wine-test: windows
	scripts/with-wine bash -c "cd $(WINDOWS_DIR) && ctest --output-on-failure --timeout 300 -j $(JOBS)"

# The six windows on the Win32 backend under Wine, as `make shots` pictures them on Qt.
windows-shots: windows
	rm -rf $(WINDOWS_SHOTS) && mkdir -p $(WINDOWS_SHOTS)
	for script in $(SHOTS_SCRIPTS); do \
		rm -rf $(WINDOWS_SHOTS)/work && mkdir $(WINDOWS_SHOTS)/work && cp -R tests/scenarios/setups/trading/. $(WINDOWS_SHOTS)/work/ && \
		(cd $(WINDOWS_SHOTS)/work && $(CURDIR)/scripts/with-wine wine $(CURDIR)/$(WINDOWS_DIR)/tools/kedravo-script/kedravo-script.exe \
			--toolkit win32 --shots $(CURDIR)/$(WINDOWS_SHOTS) $(CURDIR)/tests/scenarios/$$script) || exit 1; \
	done
	rm -rf $(WINDOWS_SHOTS)/work
	@ls $(WINDOWS_SHOTS)/*.png

# Every benchmark REPS times, Release with the Qt backend, and the medians beside their targets
# (docs/performance.md).
REPS ?= 10
bench: deps
	bench/run-all $(REPS)

# Grows the corpora of the readers and of the script parser in build/fuzz from the committed ones, FUZZ_SECONDS
# each unless FUZZ_READERS_SECONDS or FUZZ_SCRIPT_SECONDS say otherwise (the readers run far fewer inputs a
# second); copy finds worth keeping into tests/store/fuzz_corpus or tests/tools/fuzz_corpus (after `-merge=1`),
# where `make test` replays them.
FUZZ_SECONDS ?= 180
FUZZ_READERS_SECONDS ?= $(FUZZ_SECONDS)
FUZZ_SCRIPT_SECONDS ?= $(FUZZ_SECONDS)
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DKEDRAVO_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS) --target store_readers_fuzz script_parser_fuzz
	mkdir -p build/fuzz/corpus build/fuzz/script_corpus
	build/fuzz/tests/store/store_readers_fuzz -max_total_time=$(FUZZ_READERS_SECONDS) -max_len=8192 -timeout=10 \
		build/fuzz/corpus tests/store/fuzz_corpus
	build/fuzz/tests/tools/script_parser_fuzz -max_total_time=$(FUZZ_SCRIPT_SECONDS) -max_len=4096 -timeout=10 \
		build/fuzz/script_corpus tests/tools/fuzz_corpus

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on a file that drifts from .clang-format or on a clang-tidy finding (.clang-tidy), anywhere in the tree.
check: deps
	scripts/check $(JOBS)

clean:
	rm -rf build
