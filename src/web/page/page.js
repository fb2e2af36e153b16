// Kolvar's page: follows the column through the server's push stream. It
// only shows; its one command, the stop, exists where the program allows it.
'use strict';

(function () {
  const token = new URLSearchParams(location.search).get('token') || '';
  const withToken = (path, more) => {
    const query = new URLSearchParams(more || {});
    if (token) query.set('token', token);
    const text = query.toString();
    return text ? path + '?' + text : path;
  };
  const $ = (id) => document.getElementById(id);
  const two = (n) => String(n).padStart(2, '0');
  const clock = (d) => two(d.getHours()) + ':' + two(d.getMinutes());

  let lastSeen = null;     // when the last state arrived
  let lastSequence = -1;
  let plotAsked = 0;       // when the plot was last asked for
  let plotBehind = '';     // the legend of the run behind it then
  let stream = null;
  let events = 0;

  function duration(ms) {
    const s = Math.floor(ms / 1000);
    return Math.floor(s / 3600) + ':' + two(Math.floor(s / 60) % 60) + ':' + two(s % 60);
  }

  function showRole(index, role) {
    const box = $('role' + index);
    box.querySelector('.name').textContent = role.name;
    box.querySelector('.temp').textContent = role.text;
    box.querySelector('.limit').textContent = role.thresholds
      .map((t) => (t.name ? t.name + ' ' : 'порог ') + t.text).join(' · ');
    // A read error has a look of its own over the window's colours: the
    // reading stays as it came (-127), so the operator sees what the
    // sensor gave.
    const fault = role.read_error === true;
    box.style.background = fault ? '' : role.back;
    box.style.color = fault ? '' : role.fore;
    box.classList.toggle('fault', fault);
    box.querySelector('.error').classList.toggle('hidden', !fault);
    box.classList.toggle('off', !role.enabled);
  }

  // What the run leaves unguarded stays in sight for the whole run: the
  // panel's lines below may scroll it away.
  function showWarnings(warnings) {
    const list = $('warnings').querySelector('ul');
    list.textContent = '';
    warnings.forEach((text) => {
      const item = document.createElement('li');
      item.textContent = text;
      list.appendChild(item);
    });
    $('warnings').classList.toggle('hidden', warnings.length === 0);
  }

  function showState(s) {
    const state = $('state');
    state.classList.toggle('running', s.running);
    state.classList.toggle('stopped', s.stopped);
    if (s.stopped) state.textContent = 'СИСТЕМА ОСТАНОВЛЕНА\n' + s.stop_reason;
    else if (s.running) state.textContent = 'Система работает';
    else state.textContent = 'Система не запущена';
    showWarnings(s.warnings || []);
    const cooldown = $('cooldown');
    cooldown.textContent = s.cooldown ? s.cooldown.text : '';
    cooldown.classList.toggle('hidden', !s.cooldown);
    s.roles.forEach((role, i) => showRole(i + 1, role));
    $('takeoff').textContent = s.takeoff.caption;
    let valve = s.valve.open === null ? '—' : s.valve.open ? 'Клапан открыт' : 'Клапан закрыт';
    if (s.takeoff.type === 'pwm' && s.valve.share !== null)
      valve += ', отбор ' + (s.valve.share / 1000).toFixed(1) + ' %';
    $('valve').textContent = valve;
    $('runtime').textContent = s.run.seen ? duration(s.run.time_ms) : '—';
    $('cycles').textContent = s.run.seen ? String(s.run.cycles) : '—';
    $('news').textContent = s.news;
    $('port').textContent = s.port_status;
    const pins = $('pins');
    pins.textContent = '';
    s.pins.forEach((value, k) => {
      const pin = document.createElement('div');
      pin.className = 'pin' + (value === '1' ? ' high' : '');
      pin.textContent = value;
      const number = document.createElement('small');
      number.textContent = 'ножка ' + (k + 2);
      pin.appendChild(number);
      pins.appendChild(pin);
    });
    $('clock').textContent = s.time;
    // A marker for whoever checks the page from outside: how many states
    // came, and the temperatures of the last.
    document.body.dataset.events = String(++events);
    document.body.dataset.temperatures = s.roles.map((r) => r.text).join(' ');
    document.body.dataset.readErrors = s.roles
      .map((r, i) => (r.read_error ? 'T' + (i + 1) : '')).filter((t) => t).join(' ');
    document.body.dataset.warnings = (s.warnings || []).join('\n');
    document.body.dataset.cooldown = s.cooldown ? String(s.cooldown.minutes_left) : '';
    // A run put behind the plot, or taken away, shows at once.
    const behind = s.background || '';
    document.body.dataset.background = behind;
    if (Date.now() - plotAsked > 5000 || s.stopped || behind !== plotBehind) {
      plotBehind = behind;
      askPlot(s.sequence);
    }
  }

  function askPlot(sequence) {
    const img = $('plot');
    const width = Math.max(320, Math.min(1600, Math.round(img.clientWidth || 800)));
    const height = Math.round(Math.max(260, Math.min(440, width * 0.55)));
    img.src = withToken('api/plot.svg', { w: width, h: height, n: sequence });
    plotAsked = Date.now();
  }

  function lost() {
    const link = $('link');
    link.textContent = 'Нет связи с ' + (lastSeen ? clock(lastSeen) : clock(new Date())) +
      '. Соединяемся снова…';
    link.classList.remove('hidden');
  }

  function connect() {
    stream = new EventSource(withToken('api/events'));
    stream.onmessage = (event) => {
      const s = JSON.parse(event.data);
      lastSeen = new Date();
      $('link').classList.add('hidden');
      if (s.sequence === lastSequence) return;
      lastSequence = s.sequence;
      showState(s);
    };
    stream.onerror = () => {
      lost();
      // The browser tries again by itself unless the server answered with
      // an error; then a new stream a little later.
      if (stream.readyState === EventSource.CLOSED) {
        stream = null;
        setTimeout(connect, 3000);
      }
    };
  }

  // No state for a while (a phone asleep, a cable pulled) is a lost link
  // even when the browser has not noticed.
  setInterval(() => {
    if (lastSeen && Date.now() - lastSeen.getTime() > 35000) lost();
  }, 5000);

  function setUpStop() {
    if (document.body.dataset.stop !== 'yes') return;
    $('stopbox').classList.remove('hidden');
    const button = $('stop');
    if (!token) {
      button.disabled = true;
      $('stopnote').textContent = 'Нужен адрес страницы с ключом (token).';
      return;
    }
    button.addEventListener('click', () => {
      if (!window.confirm('Остановить систему?')) return;
      button.disabled = true;
      fetch('api/stop', { method: 'POST', headers: { Authorization: 'Bearer ' + token } })
        .then((r) => {
          $('stopnote').textContent = r.ok ? 'Команда отправлена.' : 'Отказано (' + r.status + ').';
        })
        .catch(() => { $('stopnote').textContent = 'Нет связи: команда не отправлена.'; })
        .finally(() => { button.disabled = false; });
    });
  }

  setUpStop();
  $('csv').href = withToken('api/record.csv');
  connect();
})();
