# Front door: `make run` builds and starts Tolvane, `make test` builds and
# runs every test. Both install missing Debian packages first.

MAKEFLAGS += --no-print-directory

BUILD      ?= build
ASAN_BUILD ?= build-asan
PACKAGE_BUILD ?= build-package
JOBS       ?= $(shell nproc)
# Developers and CI build everything, with warnings as errors.
DEV_FLAGS  := -DBUILD_TESTING=ON -DTOLVANE_BUILD_TOOLS=ON -DTOLVANE_BUILD_BENCH=ON -DTOLVANE_WERROR=ON

.PHONY: all deps build run test test-asan memcheck bench docs-images package package-check clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(DEV_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	    echo "No display found: starting under Xvfb, where nothing is visible. Ctrl+C ends it."; \
	    xvfb-run -a $(BUILD)/app/tolvane; \
	else \
	    $(BUILD)/app/tolvane; \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON $(DEV_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Times Tolvane against a bare Qt window with the same controls; reports only.
bench: build
	$(BUILD)/bench/tolvane_bench

# The README's images of the pictures drawn for dense screens: a few
# pictures from the sheet at 2, four of them at 4 (an ace, a 10, a court
# card, a back), the window at 125 %, 150 % and 200 %, and the window in
# the default palette and in a dark one.
# Remake them when a picture or the window changes, look at them, commit.
DOCS_SHEET_IDS = 1,10,12,25,37,52,53,58,61,63,67,70,72
DOCS_CLOSE_IDS = 40,23,12,58
docs-images: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/picture_sheet docs/pictures-2x-crop.png 2 $(DOCS_SHEET_IDS)
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/picture_sheet docs/pictures-4x-crop.png 4 $(DOCS_CLOSE_IDS)
	for scale in 1.25 1.5 2; do \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale \
	        $(BUILD)/tools/window_screenshot docs/window-$${scale}x.png || exit 1; \
	done
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/window_screenshot docs/screenshot.png
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/window_screenshot docs/screenshot-dark.png --palette dark

# The window shuffled 1,000 times and closed under valgrind: any invalid
# read or write, or any block definitely lost, fails it.
memcheck: build
	QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 \
	    --leak-check=full --errors-for-leak-kinds=definite $(BUILD)/tools/shuffle_soak

# The Debian package, built as Debian builds its own: a Release build of the
# program alone with the distribution's hardening flags.
package: deps
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	    CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@echo "Package: $$(ls $(PACKAGE_BUILD)/tolvane_*.deb)"

# The package passes lintian without an error (warnings are shown).
package-check: package
	lintian --fail-on error $(PACKAGE_BUILD)/tolvane_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD)
