// Re-brands the partner's page of one package and sends its connect controls to the app's account
// sheet. The app calls this function with its constants (hosts, texts) as a JSON object.
(function (config) {
    "use strict";
    var hiddenControl = /(подар|промокод|войти|вход|личн.{0,5}кабинет|gift|login|account)/i;
    var connectVerb = /^(Оформить|Подключить|Попробовать|Смотреть)(\s|$)/i;

    function collapsed(text) {
        return (text || "").replace(/\s+/g, " ").trim();
    }

    function applyBrand() {
        var header = document.querySelector("header");
        if (!header)
            return;
        if (!header.querySelector("[data-tarvik-lockup]")) {
            var home = null;
            var candidates = header.querySelectorAll("a, .logo a");
            for (var i = 0; i < candidates.length && !home; ++i) {
                var a = candidates[i];
                var href = a.getAttribute("href");
                if (href === "/" || href === config.partnerRoot || a.matches(".logo a") || a.matches("a.logo"))
                    home = a;
            }
            if (home) {
                home.innerHTML = "";
                home.appendChild(tarvikLockup(config));
            }
        }
        var controls = header.querySelectorAll("a, button, [role=\"button\"]");
        for (var j = 0; j < controls.length; ++j) {
            var control = controls[j];
            if (control.closest("[data-tarvik-lockup]"))
                continue;
            var label = [collapsed(control.textContent), control.getAttribute("aria-label") || "",
                         control.getAttribute("title") || ""].join(" ");
            if (hiddenControl.test(label))
                control.style.setProperty("display", "none", "important");
        }
    }

    document.addEventListener("click", function (event) {
        var control = event.target && event.target.closest ? event.target.closest("a,button,[role=\"button\"]") : null;
        if (!control)
            return;
        if (connectVerb.test(collapsed(control.textContent))) {
            event.preventDefault();
            event.stopImmediatePropagation();
            window.location.href = "tarvik-account://create";
        }
    }, true);

    applyBrand();
    new MutationObserver(applyBrand).observe(document.documentElement, { childList: true, subtree: true });
})
