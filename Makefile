# A thin wrapper over CMake: `make run` builds and starts Tarvel, `make test`
# builds everything and runs every test, `make deb` builds the Debian package
# from the program's build, `make sanitize` builds and runs every test with
# AddressSanitizer and UndefinedBehaviorSanitizer. Each has a build folder of
# its own, so the program's build never holds a test or a sanitizer.
BUILD ?= build
TEST_BUILD ?= build-test
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)

# Any fault stops the run that meets it; the compiler and linker flags of
# this build folder only.
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Leaks of the printing system's library only, which Qt's printing reaches.
SANITIZE_ENV = LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1

.PHONY: run test deb bench sanitize clean

run:
	@tools/install-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS) --target tarvel tarvel-calc
	$(BUILD)/app/tarvel

test:
	@tools/install-deps test
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

deb:
	@tools/install-deps deb
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

sanitize:
	@tools/install-deps test
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

bench: test
	$(TEST_BUILD)/bench/tarvel-bench
	bench/batch-tables $(TEST_BUILD)/app/tarvel-calc
	bench/ledger-vs-batch $(TEST_BUILD)/app/tarvel-calc
	bench/revaluation-vs-batch $(TEST_BUILD)/app/tarvel-calc
	bench/compounding-vs-batch $(TEST_BUILD)/app/tarvel-calc

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(SANITIZE_BUILD)
