#!/usr/bin/python3
"""The day's board in a real browser (Chromium headless through Selenium).

Starts the real zingaroo-board on a free loopback port with an SQLite database in a
temporary folder, uploads day's games of today and yesterday, then checks on the page:
the day's lines in order, a <script> name shown as text and not run, the previous day
reached by its link, and a replay link that downloads the uploaded file.

    board_browser_test.py SERVER MAKE_DAY_GAMES [--screenshot PNG]

Exits 0 when every check holds, 1 when one fails, 77 (skipped) when Chromium, its driver
or Selenium is missing.
"""
import argparse
import datetime
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

SKIP = 77

# The names the players send (at most 24 characters), in upload order. The second sets a
# global variable if the page runs it.
TODAY_NAMES = [
    "Alice",
    "<script>ran=1</script>",
    'Bob "the builder"',
    "'); DROP TABLE games;--",
]
YESTERDAY_NAME = "Yesterday's best"


def fail(message):
    print(f"board browser test: FAILED: {message}", file=sys.stderr)
    sys.exit(1)


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until_up(base, server):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if server.poll() is not None:
            fail(f"the server ended at start with status {server.returncode}")
        try:
            with urllib.request.urlopen(base + "/healthz", timeout=2) as answer:
                if answer.status == 200:
                    return
        except (urllib.error.URLError, ConnectionError):
            time.sleep(0.1)
    fail("the server did not answer /healthz within 20 s")


def make_games(tool, day, count, folder):
    """The tool's games of `day`, as (path, score), each with a score of its own."""
    out = subprocess.run([tool, day, str(count), folder], check=True, capture_output=True,
                         text=True).stdout
    games = []
    for line in out.splitlines():
        path, score = line.rsplit(" ", 1)
        games.append((path, int(score)))
    if len(games) != count:
        fail(f"the game maker wrote {len(games)} games of {day}, not {count}")
    return games


def upload(base, path, player, name):
    with open(path, "rb") as f:
        body = f.read()
    request = urllib.request.Request(base + "/api/v1/games", data=body, method="POST", headers={
        "Content-Type": "application/x-zingaroo-replay",
        "X-Zingaroo-Player": player,
        "X-Zingaroo-Name": urllib.parse.quote(name, safe=""),
    })
    try:
        with urllib.request.urlopen(request, timeout=10) as answer:
            if answer.status != 201:
                fail(f"uploading {path} answered {answer.status}")
            return body
    except urllib.error.HTTPError as error:
        fail(f"uploading {path} answered {error.code}: {error.read().decode(errors='replace')}")


def start_browser(profile, downloads):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ["--headless=new", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--no-first-run", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1000,760",
                 f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    if os.geteuid() == 0:
        # Chromium's sandbox needs user namespaces a root process does not get.
        options.add_argument("--no-sandbox")
    options.add_experimental_option("prefs", {
        "download.default_directory": downloads,
        "download.prompt_for_download": False,
        "safebrowsing.enabled": False,
    })
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": downloads})
    driver.set_page_load_timeout(20)
    return driver


def check_page(driver, base, today, yesterday, expected, yesterday_game, downloads, shot):
    from selenium.webdriver.common.by import By

    driver.get(base + "/")
    text = driver.find_element(By.TAG_NAME, "body").text
    places = [text.find(name) for name, _ in expected]
    missing = [name for (name, _), place in zip(expected, places) if place < 0]
    if missing:
        fail(f"the page does not show {missing}:\n{text}")
    if places != sorted(places):
        fail(f"the lines are not in the order {[n for n, _ in expected]}:\n{text}")
    print(f"ok: today's {len(expected)} lines in order, best first")

    if driver.execute_script("return typeof window.ran !== 'undefined'"):
        fail("the <script> name ran")
    if TODAY_NAMES[1] not in text:
        fail("the <script> name is not shown as text")
    print("ok: the <script> name shown as text and not run")
    if shot:
        driver.save_screenshot(shot)
        print(f"ok: screenshot in {shot}")

    # A line's replay: the link of the best game downloads its file as uploaded.
    best_path = expected[0][1]
    links = [a for a in driver.find_elements(By.TAG_NAME, "a")
             if (a.get_attribute("href") or "").endswith(".zingaroo")]
    if not links:
        fail("no line's replay is a link")
    links[0].click()
    with open(best_path, "rb") as f:
        wanted = f.read()
    deadline = time.monotonic() + 15
    got = None
    while time.monotonic() < deadline and got is None:
        for name in os.listdir(downloads):
            if name.endswith(".zingaroo"):
                with open(os.path.join(downloads, name), "rb") as f:
                    got = f.read()
        time.sleep(0.1)
    if got is None:
        fail(f"the replay link {links[0].get_attribute('href')} downloaded nothing")
    if got != wanted:
        fail("the downloaded replay is not the uploaded file")
    print(f"ok: the best line's replay link downloads the file ({len(got)} bytes)")

    driver.get(base + "/")
    previous = [a for a in driver.find_elements(By.TAG_NAME, "a")
                if (a.get_attribute("href") or "").endswith(f"/days/{yesterday}")]
    if not previous:
        fail(f"no link to /days/{yesterday}")
    previous[0].click()
    if not driver.current_url.endswith(f"/days/{yesterday}"):
        fail(f"the link led to {driver.current_url}")
    text = driver.find_element(By.TAG_NAME, "body").text
    if YESTERDAY_NAME not in text or any(name in text for name, _ in expected):
        fail(f"/days/{yesterday} does not show yesterday's line alone:\n{text}")
    print(f"ok: the previous day {yesterday} reached by its link")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("server")
    parser.add_argument("make_day_games")
    parser.add_argument("--screenshot")
    args = parser.parse_args()

    if not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("board browser test: skipped: chromium and chromium-driver are not installed")
        return SKIP
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("board browser test: skipped: python3-selenium is not installed")
        return SKIP

    now = datetime.datetime.now(datetime.timezone.utc).date()
    today, yesterday = now.isoformat(), (now - datetime.timedelta(days=1)).isoformat()
    with tempfile.TemporaryDirectory(prefix="zingaroo-board-browser-") as work:
        games = make_games(args.make_day_games, today, len(TODAY_NAMES), work)
        old = make_games(args.make_day_games, yesterday, 1, work)
        port = free_port()
        base = f"http://127.0.0.1:{port}"
        server = subprocess.Popen([args.server, "--listen", f"127.0.0.1:{port}",
                                   "--db", f"sqlite:{work}/board.db"])
        driver = None
        try:
            wait_until_up(base, server)
            for i, (name, (path, _)) in enumerate(zip(TODAY_NAMES, games)):
                upload(base, path, f"{i + 1:032x}", name)
            upload(base, old[0][0], f"{99:032x}", YESTERDAY_NAME)
            # Best first; the maker's scores are all different.
            expected = sorted(((name, path, score) for name, (path, score)
                               in zip(TODAY_NAMES, games)), key=lambda line: -line[2])
            downloads = os.path.join(work, "downloads")
            os.mkdir(downloads)
            driver = start_browser(os.path.join(work, "profile"), downloads)
            check_page(driver, base, today, yesterday,
                       [(name, path) for name, path, _ in expected], old[0], downloads,
                       args.screenshot)
        finally:
            if driver:
                driver.quit()
            server.terminate()
            try:
                server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                server.kill()
    print("board browser test: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
