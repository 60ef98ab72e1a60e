// Our logo beside the partner's icon, as both partner pages show it in their header. Injected
// ahead of each page's own script (in the app's isolated world, not the page's).
function tarvikLockup(config) {
    var box = document.createElement("span");
    box.setAttribute("data-tarvik-lockup", "");
    box.setAttribute("style", "display:inline-flex;align-items:center;gap:9px;color:#fff;white-space:nowrap");
    var logo = document.createElement("img");
    logo.src = config.productLogoUrl;
    logo.alt = config.productName;
    logo.setAttribute("style", "width:96px;height:auto;filter:grayscale(1) brightness(0) invert(1)");
    var times = document.createElement("span");
    times.setAttribute("style", "font:400 17px -apple-system,BlinkMacSystemFont,sans-serif");
    times.textContent = "×";
    var icon = document.createElement("img");
    icon.src = config.touchIconUrl;
    icon.alt = "24ТВ";
    icon.setAttribute("style", "width:30px;height:30px;object-fit:contain;filter:grayscale(1) brightness(0) invert(1)");
    box.appendChild(logo);
    box.appendChild(times);
    box.appendChild(icon);
    return box;
}
