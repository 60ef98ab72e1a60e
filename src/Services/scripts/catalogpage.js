// Re-brands the sister brand's "24ТВ" catalog page and turns its sign-in and package links into the
// app's own links. The app calls this function with its constants (hosts, texts) as a JSON object.
(function (config) {
    "use strict";
    function escapeRegExp(text) {
        return String(text).replace(/[.*+?^${}()|[\]\\\/]/g, "\\$&");
    }
    var sisterBrand = /Kestra Bay/gi;
    var sisterCompany = /АО\s*[«"]?Дальверия[»"]?/gi;
    var sisterPhone = new RegExp(escapeRegExp(config.sisterPhone), "g");
    var sisterAccountPage = new RegExp(escapeRegExp(config.sisterAccountHost) + "\\/24tv\\.jsp", "i");
    var sisterDomain = new RegExp(escapeRegExp(config.sisterDomain), "i");
    var sisterDomainEverywhere = new RegExp(escapeRegExp(config.sisterDomain), "gi");
    var hiddenControl = /(подар|промокод|войти|вход|личн.{0,5}кабинет)/i;

    function replaceBrand(root) {
        var walker = document.createTreeWalker(root || document.body, NodeFilter.SHOW_TEXT);
        for (var node = walker.nextNode(); node; node = walker.nextNode()) {
            var value = node.nodeValue
                .replace(sisterBrand, config.productName)
                .replace(sisterCompany, config.productCompany)
                .replace(sisterPhone, config.productPhone);
            if (value !== node.nodeValue)
                node.nodeValue = value;
        }

        var links = document.querySelectorAll("a");
        for (var i = 0; i < links.length; ++i) {
            var link = links[i];
            var text = (link.textContent || "").trim();
            var href = link.getAttribute("href") || "";
            if (link.classList.contains("sign-in")) {
                link.textContent = "Создать аккаунт";
                link.setAttribute("href", "tarvik-account://create");
            } else if (link.classList.contains("btn_open_modal_packet")) {
                var item = link.closest(".item");
                var heading = item ? item.querySelector("h3") : null;
                var title = heading ? (heading.textContent || "").trim() : "";
                link.setAttribute("href", "tarvik-package://select?title=" + encodeURIComponent(title));
            } else if (sisterAccountPage.test(href)) {
                link.setAttribute("href", "tarvik-account://create");
            } else if (sisterDomain.test(href)) {
                link.setAttribute("href", href.replace(sisterDomainEverywhere, config.productDomain));
            }
            // The texts above already show our phone, so the sister's number is also known by the
            // link it dials: otherwise a link reading our number would still call theirs.
            var dialsSister = /^tel:/i.test(href) && href.replace(/[^0-9]/g, "").slice(-10) === config.sisterPhoneDigits;
            if (text.indexOf(config.sisterPhoneTail) !== -1 || dialsSister) {
                link.textContent = config.productPhone;
                link.setAttribute("href", config.productPhoneLink);
            }
        }

        var logo = document.querySelector("header .logo img");
        if (logo && !logo.closest("[data-tarvik-lockup]") && logo.parentElement) {
            var parent = logo.parentElement;
            parent.innerHTML = "";
            parent.appendChild(tarvikLockup(config));
        }

        var controls = document.querySelectorAll("header a, header button");
        for (var j = 0; j < controls.length; ++j) {
            var label = (controls[j].textContent || "").replace(/\s+/g, " ").trim();
            if (hiddenControl.test(label))
                controls[j].style.display = "none";
        }
    }

    replaceBrand(document.body);
    new MutationObserver(function (mutations) {
        mutations.forEach(function (mutation) {
            mutation.addedNodes.forEach(function (added) {
                if (added.nodeType === Node.ELEMENT_NODE)
                    replaceBrand(added);
            });
        });
    }).observe(document.body, { childList: true, subtree: true });
})
