# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RUN_DIR := build/release
SHOTS_DIR := build/shots
SHOTS_BUILD := build/debug

.PHONY: deps run test package shots format bench fuzz clean

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

# The Debian package of the desktop program, built from the same Release tree as `make run`.
package: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEDRAVO_TESTS=OFF -DKEDRAVO_QT=ON
	cmake --build $(RUN_DIR) -j $(JOBS)
	cd $(RUN_DIR) && cpack -G DEB
	@echo "install it with: sudo apt install ./$(RUN_DIR)/$$(cd $(RUN_DIR) && ls kedravo_*.deb)"

# Pictures of the six windows on a page with lines, through the script driver on the Qt backend, offscreen.
shots: deps
	cmake -S . -B $(SHOTS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKEDRAVO_TESTS=OFF
	cmake --build $(SHOTS_BUILD) -j $(JOBS) --target kedravo-script
	rm -rf $(SHOTS_DIR) && mkdir -p $(SHOTS_DIR)/work
	cp -R tests/scenarios/setups/trading/. $(SHOTS_DIR)/work/
	cd $(SHOTS_DIR)/work && QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/scenarios/offscreen_screen.json \
		$(CURDIR)/$(SHOTS_BUILD)/tools/kedravo-script/kedravo-script --toolkit qt --shots $(CURDIR)/$(SHOTS_DIR) \
		$(CURDIR)/tests/scenarios/shots.script
	rm -rf $(SHOTS_DIR)/work
	@ls $(SHOTS_DIR)/*.png

# Every benchmark REPS times, Release with the Qt backend, and the medians beside their targets
# (docs/performance.md).
REPS ?= 10
bench: deps
	bench/run-all $(REPS)

# Grows the readers' corpus in build/fuzz/corpus from the committed one; copy finds worth keeping into
# tests/store/fuzz_corpus (after `-merge=1`), where `make test` replays them.
FUZZ_SECONDS ?= 180
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DKEDRAVO_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS) --target store_readers_fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/tests/store/store_readers_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -timeout=10 \
		build/fuzz/corpus tests/store/fuzz_corpus

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
