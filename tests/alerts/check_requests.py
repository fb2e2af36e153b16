"""Checks what the receiver logged: the push, the webhook and the Telegram
request of the tank-limit stop and of the test alert, with their fields.
usage: check_requests.py LOG"""
import json
import sys

requests = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
problems = []


def find(path, predicate=lambda r: True):
    return [r for r in requests if r["path"] == path and predicate(r)]


# The run's coil cooling is on at the stop, and stays on for the cool-down.
STOP = ("Система остановлена: Достигнут предел температуры бака\n"
        "Охлаждение остаётся включённым ещё 10 мин")
pushes = find("/push")
stops = [p for p in pushes if p["body"] == STOP]
if not stops:
    problems.append("no push of the stop")
else:
    h = stops[0]["headers"]
    if h.get("Title") != "Kolvar" or h.get("Priority") != "urgent":
        problems.append("push headers: %r" % h)
    if not h.get("Content-Type", "").startswith("text/plain"):
        problems.append("push type: %r" % h.get("Content-Type"))
    if h.get("X-Kolvar-Event") != "system_stop.tank_limit":
        problems.append("push event header: %r" % h)
if not [p for p in pushes if p["headers"].get("X-Kolvar-Event") == "test"]:
    problems.append("no test alert by push")
# The default choice is every stop: the start of the run goes to none of these.
if [p for p in pushes if p["headers"].get("X-Kolvar-Event") == "run.started"]:
    problems.append("the run's start was pushed")

hooks = [json.loads(r["body"]) for r in find("/hook")]
hook_stops = [h for h in hooks if h["event"] == "system_stop.tank_limit"]
if not hook_stops:
    problems.append("no webhook of the stop")
else:
    h = hook_stops[0]
    if h["reason"] != "Достигнут предел температуры бака" or h["text"] != STOP:
        problems.append("webhook text: %r" % h)
    if h["cooldown_minutes"] != 10 or h["warnings"] != []:
        problems.append("webhook cool-down and warnings: %r" % h)
    t = h["temperatures"]
    if sorted(t) != ["t1", "t2", "t3", "t4"] or not isinstance(t["t3"], (int, float)):
        problems.append("webhook temperatures: %r" % t)
    if len(h["time"]) != 19 or h["time"][10] != "T":
        problems.append("webhook time: %r" % h["time"])

bot = [json.loads(r["body"]) for r in find("/bot123456:ABC-def/sendMessage")]
if not [b for b in bot if b["chat_id"] == "-1001" and STOP in b["text"]]:
    problems.append("no Telegram message of the stop: %r" % bot)

# The heartbeat's first call goes at the start, retried like the rest.
if not find("/beat"):
    problems.append("no heartbeat")

order = [r["headers"].get("X-Kolvar-Event") for r in pushes]
if order != ["test", "system_stop.tank_limit"]:
    problems.append("push order: %r" % order)

if problems:
    print("\n".join(problems))
    sys.exit(1)
